#include "history/change_history.h"

#include <chrono>

#include "store/store.h"

namespace strikepad {

namespace {

std::string counted(std::int64_t count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// 9999-12-31 23:59:59 UTC: a later time is no time this program wrote.
constexpr std::int64_t kLatestTime = 253402300799;

std::int64_t now() {
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

ChangeKind deleteKind(const Level& level) {
  if (!level.parentField) return ChangeKind::DeleteGame;
  return level.hasData ? ChangeKind::DeleteCombo : ChangeKind::DeleteCharacter;
}

const CatalogueTable& tableOf(ChangeKind kind) { return tableOfLevel(rootLevelOf(kind)); }

// The name and size of what a delete removes, read before it is removed: "Game: Tekken 8
// (12 characters, 240 combos)". Empty when the store failed.
std::string summaryOfDelete(Store& store, ChangeKind kind, RecordId id) {
  const auto record = deletedRecord(store, tableOf(kind), id);
  if (!record) return {};
  switch (kind) {
    case ChangeKind::DeleteGame: return gameSummary(record->name, record->characters, record->combos).around({});
    case ChangeKind::DeleteCharacter: return characterSummary(record->name, record->combos).around(record->parent);
    default: return comboSummary(record->name).around(record->parent);
  }
}

}  // namespace

SummaryFrame gameSummary(const std::string& name, std::int64_t characters, std::int64_t combos) {
  return {"Game: " + name + " (" + counted(characters, "character") + ", " + counted(combos, "combo") + ")", {}};
}

SummaryFrame characterSummary(const std::string& name, std::int64_t combos) {
  return {"Character: " + name + " of ", " (" + counted(combos, "combo") + ")"};
}

SummaryFrame comboSummary(const std::string& name) { return {"Combo: " + name + " of ", {}}; }

std::string blocksOf(std::int64_t count) {
  return count == 1 ? "the block of 1 combo" : "the blocks of " + std::to_string(count) + " combos";
}

std::string describe(const Change& change) {
  return (change.kind == ChangeKind::ReplaceBlocks ? "the replacement of " : "the delete of ") + change.summary;
}

int rootLevelOf(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::DeleteGame: return kGameTable.level;
    case ChangeKind::DeleteCharacter: return kCharacterTable.level;
    default: return kComboTable.level;
  }
}

bool recordDelete(Store& store, const Level& level, RecordId id) {
  const ChangeKind kind = deleteKind(level);
  const std::string summary = summaryOfDelete(store, kind, id);
  if (summary.empty()) return false;
  const auto change = insertChange(store, kind, summary, now());
  if (!change) return false;
  // The record, then each level below it that it holds.
  const int rootLevel = rootLevelOf(kind);
  for (int below = rootLevel; below <= kComboTable.level; ++below)
    if (!copyRecords(store, *change, tableOfLevel(below), static_cast<Kin>(below - rootLevel), id)) return false;
  return true;
}

std::optional<ChangeId> beginReplacement(Store& store, const std::string& summary) {
  return insertChange(store, ChangeKind::ReplaceBlocks, summary, now());
}

bool recordBlock(Store& store, ChangeId change, RecordId comboId) {
  return copyRecords(store, change, kComboTable, Kin::Itself, comboId);
}

std::string summaryOfBlock(Store& store, RecordId comboId) {
  const std::string combo = summaryOfDelete(store, ChangeKind::DeleteCombo, comboId);
  return combo.empty() ? combo : kBlockOf + combo;
}

bool setSummary(Store& store, ChangeId change, const std::string& summary) {
  return setChangeSummary(store, change, summary);
}

Change changeOf(const ChangeRow& row, std::string& damage) {
  const auto kind = wholeNumber(row.kind);
  const auto at = wholeNumber(row.at);
  const bool knownKind = kind && *kind >= static_cast<std::int64_t>(ChangeKind::DeleteGame) &&
                         *kind <= static_cast<std::int64_t>(ChangeKind::ReplaceBlocks);
  if (!knownKind)
    damage = "a kind this program does not know";
  else if (!at)
    damage = "a time that is not a number";
  else if (*at < 0 || *at > kLatestTime)
    damage = "a time out of range";
  return {row.id, knownKind ? static_cast<ChangeKind>(*kind) : ChangeKind::DeleteGame, row.summary,
          damage.empty() ? *at : 0};
}

std::optional<std::vector<Change>> recentChanges(Store& store) {
  const auto rows = readChanges(store);
  if (!rows) return std::nullopt;
  std::vector<Change> changes;
  changes.reserve(rows->size());
  for (auto row = rows->rbegin(); row != rows->rend(); ++row) {
    std::string damage;
    changes.push_back(changeOf(*row, damage));
    if (!damage.empty()) {
      store.report("Can not read the undo history: change " + std::to_string(row->id) + " has " + damage + ".");
      return std::nullopt;
    }
  }
  return changes;
}

}  // namespace strikepad
