#include "catalogue/change_history.h"

#include <chrono>

#include "store/history_tables.h"
#include "store/store.h"

namespace strikepad {

namespace {

std::string counted(std::int64_t count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

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
    return "Game: " + game->text("name") + " (" + counted(game->integer("characters"), "character") + ", " +
           counted(game->integer("combos"), "combo") + ")";
  }
  if (kind == ChangeKind::DeleteCharacter) {
    auto character = store.OpenRecordset(
        "role", "id=?", byId,
        "name, (select name from game where id=role.gameid) as parent,"
        " (select count(*) from moves where roleid=role.id) as combos");
    if (!character || character->atEnd()) return {};
    return "Character: " + character->text("name") + " of " + character->text("parent") + " (" +
           counted(character->integer("combos"), "combo") + ")";
  }
  auto combo = store.OpenRecordset("moves", "id=?", byId, "name, (select name from role where id=moves.roleid) as parent");
  if (!combo || combo->atEnd()) return {};
  return "Combo: " + combo->text("name") + " of " + combo->text("parent");
}

// Drops what lies before the oldest of the newest kHistoryLimit changes.
bool prune(Store& store) {
  const std::string oldestKept =
      " from history order by id desc limit 1 offset " + std::to_string(kHistoryLimit - 1) + ")";
  return store.execute("delete from history_record where rowid<(select firstrecord" + oldestKept) &&
         store.execute("delete from history where id<(select id" + oldestKept);
}

std::optional<ChangeId> beginChange(Store& store, ChangeKind kind, const std::string& summary) {
  if (!ensureHistoryTables(store) ||
      !store.execute("insert into history(kind, summary, at, firstrecord)"
                     " values(?, ?, ?, (select coalesce(max(rowid), 0) + 1 from history_record))",
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
  return combo.empty() ? combo : "the block of " + combo;
}

bool setSummary(Store& store, ChangeId change, const std::string& summary) {
  return store.execute("update history set summary=? where id=?", {summary, change});
}

Change changeAt(Recordset& history) {
  return {toInteger(history.collect("id")), static_cast<ChangeKind>(toInteger(history.collect("kind"))),
          history.text("summary"), toInteger(history.collect("at"))};
}

std::optional<std::vector<Change>> recentChanges(Store& store) {
  std::vector<Change> changes;
  if (!hasHistoryTables(store)) return changes;
  auto records = store.OpenRecordset("history", {}, {}, "id, kind, summary, at");
  if (!records || records->failed()) return std::nullopt;
  changes.reserve(records->recordCount());
  for (; !records->atEnd(); records->moveNext())
    changes.push_back(changeAt(*records));
  return std::vector<Change>(changes.rbegin(), changes.rend());
}

}  // namespace strikepad
