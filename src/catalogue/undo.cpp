#include "catalogue/undo.h"

#include <array>

#include "catalogue/change_records.h"
#include "store/history_tables.h"
#include "store/store.h"
#include "store/transaction.h"

namespace strikepad {

namespace {

// The catalogue's levels as the history numbers them (history_record.level 1, 2, 3).
constexpr std::array<const Level*, 3> kLevels{&kGameLevel, &kCharacterLevel, &kComboLevel};
constexpr std::array<const char*, 3> kLevelNouns{"game", "character", "combo"};

// Whether any record of the change at `level` has an id its table holds again. nullopt: failed.
std::optional<bool> idTaken(Store& store, ChangeId change, int level) {
  const std::string table = kLevels[static_cast<std::size_t>(level - 1)]->table;
  auto taken = store.OpenRecordset(
      "history_record",
      "changeid=? and level=? and exists(select 1 from " + table + " where " + table + ".id=history_record.recordid)",
      {change, std::int64_t{level}}, "recordid as id");
  if (!taken || taken->failed()) return std::nullopt;
  return !taken->atEnd();
}

// Why the records of a delete cannot come back where they stood; empty when they can.
// nullopt: failed.
std::optional<std::string> restoreRefusal(Store& store, ChangeId change, int rootLevel, const ChangeRecords& root) {
  const Level& level = *kLevels[static_cast<std::size_t>(rootLevel - 1)];
  const char* noun = kLevelNouns[static_cast<std::size_t>(rootLevel - 1)];
  std::string filter = "name=? collate name_fold";
  std::vector<FieldValue> params{root.rootName};
  if (level.parentField) {
    filter += std::string(" and ") + level.parentField + "=?";
    params.emplace_back(std::int64_t{root.rootParentId});
  }
  auto sameName = store.OpenRecordset(level.table, filter, params, "id, name");
  if (!sameName || sameName->failed()) return std::nullopt;
  if (!sameName->atEnd()) return std::string("a ") + noun + " named \"" + sameName->text("name") + "\" stands there now";
  for (int below = rootLevel; below <= 3; ++below) {
    const auto taken = idTaken(store, change, below);
    if (!taken) return std::nullopt;
    if (*taken) return std::string("another record holds the id of one of its records now");
  }
  return std::string();
}

// Puts back the records of a delete, top level first; the number of records put back.
std::optional<std::int64_t> restoreRecords(Store& store, ChangeId change, int rootLevel) {
  constexpr std::array<const char*, 3> kInserts{
      "insert into game(id, name) select recordid, name from history_record where changeid=? and level=1"
      " order by recordid",
      "insert into role(id, name, gameid) select recordid, name, parentid from history_record"
      " where changeid=? and level=2 order by recordid",
      "insert into moves(id, name, roleid, data) select recordid, name, parentid, data from history_record"
      " where changeid=? and level=3 order by recordid",
  };
  std::int64_t restored = 0;
  for (int level = rootLevel; level <= 3; ++level) {
    if (!store.execute(kInserts[static_cast<std::size_t>(level - 1)], {change})) return std::nullopt;
    restored += sqlite3_changes64(store.handle());
  }
  return restored;
}

// Puts the replaced blocks back into their combos; the number of combos given their block.
std::optional<std::int64_t> restoreBlocks(Store& store, ChangeId change) {
  if (!store.execute("update moves set data=h.data from history_record h where h.changeid=? and h.recordid=moves.id",
                     {change}))
    return std::nullopt;
  return sqlite3_changes64(store.handle());
}

bool forget(Store& store, ChangeId change) {
  return store.execute("delete from history_record where changeid=?", {change}) &&
         store.execute("delete from history where id=?", {change});
}

// The game and character above the record `id` of `level`, as the catalogue holds them now.
void locate(Store& store, int level, RecordId id, UndoResult& result) {
  if (level == 1) {
    result.gameId = id;
    return;
  }
  if (level == 3) {
    result.comboId = id;
    auto combo = store.OpenRecordset("moves", "id=?", {std::int64_t{id}}, "roleid");
    if (!combo || combo->atEnd()) return;
    id = combo->integer("roleid");
  }
  result.characterId = id;
  auto character = store.OpenRecordset("role", "id=?", {std::int64_t{id}}, "gameid");
  if (character && !character->atEnd()) result.gameId = character->integer("gameid");
}

// The newest change; nullopt when there is none or the store failed. `damage` as changeAt says.
std::optional<Change> newestChange(Store& store, std::string& damage) {
  auto record = store.OpenRecordset("history", "id=(select max(id) from history)", {}, "id, kind, summary, at");
  if (!record || record->failed() || record->atEnd()) return std::nullopt;
  return changeAt(*record, damage);
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
  const std::optional<Change> newest = newestChange(store, damage);
  if (!newest) return outcome(Kind::NothingToUndo);
  const Change& change = *newest;
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
  const auto restored = blocks ? restoreBlocks(store, change.id) : restoreRecords(store, change.id, rootLevel);
  if (!restored) return outcome(Kind::Failed, change);
  // All of it or none of it: the transaction, not committed, takes back what did come back.
  if (*restored != records.count) {
    result.reason = "only " + std::to_string(*restored) + " of its " + std::to_string(records.count) +
                    " records could come back";
    return result;
  }
  if (!forget(store, change.id)) return outcome(Kind::Failed, change);
  locate(store, rootLevel, records.rootId, result);
  if (!transaction.commit()) return outcome(Kind::Failed, change);
  result.kind = Kind::Undone;
  return result;
}

std::string refusalText(const UndoResult& result) {
  return "Can not undo " + describe(result.change) + ": " + result.reason + ".";
}

}  // namespace strikepad
