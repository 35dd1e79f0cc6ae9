#include "history/undo.h"

#include <array>

#include "history/change_records.h"
#include "store/store.h"
#include "store/transaction.h"

namespace strikepad {

namespace {

constexpr std::array<const char*, 3> kLevelNouns{"game", "character", "combo"};

// Why the records of a delete cannot come back where they stood; empty when they can.
// nullopt: failed.
std::optional<std::string> restoreRefusal(Store& store, ChangeId change, int rootLevel, const ChangeRecords& root) {
  const FoundName sameName = recordNamed(store, tableOfLevel(rootLevel), root.rootName, root.rootParentId);
  if (sameName.failed) return std::nullopt;
  if (sameName.name)
    return std::string("a ") + kLevelNouns[static_cast<std::size_t>(rootLevel - 1)] + " named \"" + *sameName.name +
           "\" stands there now";
  for (int below = rootLevel; below <= kComboTable.level; ++below) {
    const auto taken = idTaken(store, change, tableOfLevel(below));
    if (!taken) return std::nullopt;
    if (*taken) return std::string("another record holds the id of one of its records now");
  }
  return std::string();
}

// Puts back the records of a delete, top level first; the number of records put back.
std::optional<std::int64_t> restoreDeleted(Store& store, ChangeId change, int rootLevel) {
  std::int64_t restored = 0;
  for (int level = rootLevel; level <= kComboTable.level; ++level) {
    const auto put = restoreRecords(store, change, tableOfLevel(level));
    if (!put) return std::nullopt;
    restored += *put;
  }
  return restored;
}

// The game and character above the record `id` of `level`, as the catalogue holds them now.
void locate(Store& store, int level, RecordId id, UndoResult& result) {
  if (level == kGameTable.level) {
    result.gameId = id;
    return;
  }
  if (level == kComboTable.level) {
    result.comboId = id;
    const auto character = parentOf(store, kComboTable, id);
    if (!character) return;
    id = *character;
  }
  result.characterId = id;
  if (const auto game = parentOf(store, kCharacterTable, id)) result.gameId = *game;
}

// The newest change; nullopt when there is none or the store failed. `damage` as changeOf says.
std::optional<Change> newest(Store& store, std::string& damage) {
  const auto row = newestChange(store);
  if (!row) return std::nullopt;
  return changeOf(*row, damage);
}

// A history in an earlier layout brought to this one, in a transaction of its own: it stays
// so whatever the undo then does.
bool upgraded(Store& store) {
  Transaction transaction(store);
  return transaction.active() && upgradeHistoryTables(store) && transaction.commit();
}

UndoResult outcome(UndoResult::Kind kind, const Change& change = {}, std::string reason = {}) {
  return {kind, change, std::move(reason)};
}

}  // namespace

UndoResult undoNewest(Store& store, std::optional<ChangeId> expected) {
  using Kind = UndoResult::Kind;
  if (!upgraded(store)) return outcome(Kind::Failed);
  Transaction transaction(store);
  if (!transaction.active()) return outcome(Kind::Failed);
  if (!hasHistoryTables(store)) return outcome(Kind::NothingToUndo);
  std::string damage;
  const std::optional<Change> newestOne = newest(store, damage);
  if (!newestOne) return outcome(Kind::NothingToUndo);
  const Change& change = *newestOne;
  UndoResult result = outcome(Kind::Refused, change);
  if (!damage.empty()) {
    result.reason = "the history holds it with " + damage;
    return result;
  }
  if (expected && *expected != change.id) {
    result.reason = "another program changed the catalogue meanwhile";
    return result;
  }
  const bool blocks = change.kind == ChangeKind::ReplaceBlocks;
  const int rootLevel = rootLevelOf(change.kind);
  const ChangeRecords records = checkedRecords(store, change);
  if (records.failed) return outcome(Kind::Failed, change);
  if (!records.refusal.empty()) {
    result.reason = records.refusal;
    return result;
  }
  if (!blocks) {
    const auto refusal = restoreRefusal(store, change.id, rootLevel, records);
    if (!refusal) return outcome(Kind::Failed, change);
    if (!refusal->empty()) {
      result.reason = *refusal;
      return result;
    }
  }
  const auto restored = blocks ? restoreBlocks(store, change.id) : restoreDeleted(store, change.id, rootLevel);
  if (!restored) return outcome(Kind::Failed, change);
  // All of it or none of it: the transaction, not committed, takes back what did come back.
  if (*restored != records.count) {
    result.reason = "only " + std::to_string(*restored) + " of its " + std::to_string(records.count) +
                    " records could come back";
    return result;
  }
  if (!forgetChange(store, change.id)) return outcome(Kind::Failed, change);
  locate(store, rootLevel, records.rootId, result);
  if (!transaction.commit()) return outcome(Kind::Failed, change);
  result.kind = Kind::Undone;
  return result;
}

}  // namespace strikepad
