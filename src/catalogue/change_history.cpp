#include "catalogue/change_history.h"

#include <chrono>

#include "store/history_tables.h"
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

// The name and size of what a delete removes, read before it is removed: "Game: Tekken 8
// (12 characters, 240 combos)". Empty when the store failed.
std::string summaryOfDelete(Store& store, const Level& level, RecordId id) {
  const std::vector<FieldValue> byId{std::int64_t{id}};
  const ChangeKind kind = deleteKind(level);
  if (kind == ChangeKind::DeleteGame) {
    auto game = store.OpenRecordset(
        "game", "id=?", byId,
        "name, (select count(*) from role where gameid=game.id) as characters,"
        " (select count(*) from moves where roleid in (select id from role where gameid=game.id)) as combos");
    if (!game || game->atEnd()) return {};
    return gameSummary(game->text("name"), game->integer("characters"), game->integer("combos")).around({});
  }
  if (kind == ChangeKind::DeleteCharacter) {
    auto character = store.OpenRecordset(
        "role", "id=?", byId,
        "name, (select name from game where id=role.gameid) as parent,"
        " (select count(*) from moves where roleid=role.id) as combos");
    if (!character || character->atEnd()) return {};
    return characterSummary(character->text("name"), character->integer("combos")).around(character->text("parent"));
  }
  auto combo = store.OpenRecordset("moves", "id=?", byId, "name, (select name from role where id=moves.roleid) as parent");
  if (!combo || combo->atEnd()) return {};
  return comboSummary(combo->text("name")).around(combo->text("parent"));
}

// Drops what lies before the oldest of the newest kHistoryLimit changes.
bool prune(Store& store) {
  const std::string oldestKept =
      "<(select id from history order by id desc limit 1 offset " + std::to_string(kHistoryLimit - 1) + ")";
  return store.execute("delete from history_record where changeid" + oldestKept) &&
         store.execute("delete from history where id" + oldestKept);
}

std::optional<ChangeId> beginChange(Store& store, ChangeKind kind, const std::string& summary) {
  if (!ensureHistoryTables(store) ||
      !store.execute("insert into history(kind, summary, at) values(?, ?, ?)",
                     {static_cast<std::int64_t>(kind), summary, now()}))
    return std::nullopt;
  const ChangeId change = store.lastInsertId();
  if (!prune(store)) return std::nullopt;
  return change;
}

// Copies the records `filter` selects from the level's table into the change, values as they
// are. One statement for all of them: the rows never pass through this program.
std::string copyStatement(int level, const char* table, const char* parentField, const char* dataField,
                          const std::string& filter) {
  return "insert into history_record(changeid, level, recordid, parentid, name, data) select ?, " +
         std::to_string(level) + ", id, " + parentField + ", name, " + dataField + " from " + table + " where " + filter;
}

bool copyRecords(Store& store, ChangeId change, int level, const char* table, const char* parentField,
                 const char* dataField, const std::string& filter, RecordId id) {
  return store.execute(copyStatement(level, table, parentField, dataField, filter), {change, std::int64_t{id}});
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

bool recordDelete(Store& store, const Level& level, RecordId id) {
  const std::string summary = summaryOfDelete(store, level, id);
  if (summary.empty()) return false;
  const ChangeKind kind = deleteKind(level);
  const auto change = beginChange(store, kind, summary);
  if (!change) return false;
  switch (kind) {
    case ChangeKind::DeleteGame:
      return copyRecords(store, *change, 1, "game", "null", "null", "id=?", id) &&
             copyRecords(store, *change, 2, "role", "gameid", "null", "gameid=?", id) &&
             copyRecords(store, *change, 3, "moves", "roleid", "data", "roleid in (select id from role where gameid=?)",
                         id);
    case ChangeKind::DeleteCharacter:
      return copyRecords(store, *change, 2, "role", "gameid", "null", "id=?", id) &&
             copyRecords(store, *change, 3, "moves", "roleid", "data", "roleid=?", id);
    default:
      return copyRecords(store, *change, 3, "moves", "roleid", "data", "id=?", id);
  }
}

std::optional<ChangeId> beginReplacement(Store& store, const std::string& summary) {
  return beginChange(store, ChangeKind::ReplaceBlocks, summary);
}

bool recordBlock(Store& store, ChangeId change, RecordId comboId) {
  // Made once: an import records one block for every combo it replaces.
  static const std::string copyCombo = copyStatement(3, "moves", "roleid", "data", "id=?");
  return store.execute(copyCombo, {change, std::int64_t{comboId}});
}

std::string summaryOfBlock(Store& store, RecordId comboId) {
  const std::string combo = summaryOfDelete(store, kComboLevel, comboId);
  return combo.empty() ? combo : kBlockOf + combo;
}

bool setSummary(Store& store, ChangeId change, const std::string& summary) {
  return store.execute("update history set summary=? where id=?", {summary, change});
}

Change changeAt(Recordset& history, std::string& damage) {
  const auto kind = wholeNumber(history.collect("kind"));
  const auto at = wholeNumber(history.collect("at"));
  const bool knownKind = kind && *kind >= static_cast<std::int64_t>(ChangeKind::DeleteGame) &&
                         *kind <= static_cast<std::int64_t>(ChangeKind::ReplaceBlocks);
  if (!knownKind)
    damage = "a kind this program does not know";
  else if (!at)
    damage = "a time that is not a number";
  else if (*at < 0 || *at > kLatestTime)
    damage = "a time out of range";
  return {toInteger(history.collect("id")), knownKind ? static_cast<ChangeKind>(*kind) : ChangeKind::DeleteGame,
          history.text("summary"), damage.empty() ? *at : 0};
}

std::optional<std::vector<Change>> recentChanges(Store& store) {
  std::vector<Change> changes;
  if (!hasHistoryTables(store)) return changes;
  auto records = store.OpenRecordset("history", {}, {}, "id, kind, summary, at");
  if (!records || records->failed()) return std::nullopt;
  changes.reserve(records->recordCount());
  for (; !records->atEnd(); records->moveNext()) {
    std::string damage;
    changes.push_back(changeAt(*records, damage));
    if (!damage.empty()) {
      store.report("Can not read the undo history: change " + records->text("id") + " has " + damage + ".");
      return std::nullopt;
    }
  }
  return std::vector<Change>(changes.rbegin(), changes.rend());
}

}  // namespace strikepad
