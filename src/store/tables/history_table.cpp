#include "store/tables/history_table.h"

#include <array>
#include <initializer_list>

#include "store/store.h"

namespace strikepad {

namespace {

// The record value columns take no type, so a value comes back exactly as it was stored. The
// index finds a change's records, a level of them, and one record by its id (the undo's checks).
std::vector<std::string> createStatements() {
  std::string records =
      "create table if not exists history_record(id integer primary key,"
      " changeid integer not null references history(id), level integer not null, recordid integer not null";
  for (const std::string& column : historyValueColumns()) records += ", " + column;
  return {
      "create table if not exists history(id integer primary key autoincrement, kind integer not null,"
      " summary text not null, at integer not null)",
      records + ")",
      "create index if not exists history_record_changeid on history_record(changeid, level, recordid)",
  };
}

enum class Layout {
  None,        // no history yet
  Current,     // this program's
  RowNumbers,  // earlier versions': no record id, a change's records found from history.firstrecord on
  Unknown,     // a table or column missing
};

bool hasTable(Store& store, const char* table) {
  return sqlite3_table_column_metadata(store.handle(), "main", table, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr) == SQLITE_OK;
}

bool hasColumn(Store& store, const char* table, const char* column) {
  return sqlite3_table_column_metadata(store.handle(), "main", table, column, nullptr, nullptr, nullptr, nullptr,
                                       nullptr) == SQLITE_OK;
}

// Asked of the connection's schema, without running a statement: every delete asks.
bool hasColumns(Store& store, const char* table, std::initializer_list<const char*> columns) {
  for (const char* column : columns)
    if (!hasColumn(store, table, column)) return false;
  return true;
}

bool hasValueColumns(Store& store) {
  for (const std::string& column : historyValueColumns())
    if (!hasColumn(store, "history_record", column.c_str())) return false;
  return true;
}

bool isPrimaryKey(Store& store, const char* table, const char* column) {
  int primaryKey = 0;
  return sqlite3_table_column_metadata(store.handle(), "main", table, column, nullptr, nullptr, nullptr, &primaryKey,
                                       nullptr) == SQLITE_OK &&
         primaryKey != 0;
}

Layout layoutOf(Store& store) {
  const bool changes = hasTable(store, "history");
  const bool records = hasTable(store, "history_record");
  if (!changes && !records) return Layout::None;
  if (!changes || !records || !hasColumns(store, "history", {"id", "kind", "summary", "at"}) ||
      !hasColumns(store, "history_record", {"changeid", "level", "recordid"}) || !hasValueColumns(store))
    return Layout::Unknown;
  if (!hasColumns(store, "history_record", {"id"})) return Layout::RowNumbers;
  const bool current = isPrimaryKey(store, "history_record", "id") && !hasColumns(store, "history", {"firstrecord"});
  return current ? Layout::Current : Layout::Unknown;
}

bool createTables(Store& store) {
  static const std::vector<std::string> statements = createStatements();
  for (const std::string& statement : statements)
    if (!store.execute(statement)) return false;
  return true;
}

// Every record row of earlier versions already named its change, so each change keeps all its
// records, renumbered or not; rows of no kept change belonged to nothing an undo could reach.
bool rebuildFromRowNumbers(Store& store) {
  std::string columns = "changeid, level, recordid";
  for (const std::string& column : historyValueColumns()) columns += ", " + column;
  return store.execute("alter table history_record rename to history_record_earlier") && createTables(store) &&
         store.execute("insert into history_record(" + columns + ") select " + columns +
                       " from history_record_earlier where changeid in (select id from history) order by rowid") &&
         store.execute("drop table history_record_earlier") &&
         (!hasColumns(store, "history", {"firstrecord"}) || store.execute("alter table history drop column firstrecord"));
}

bool dropHistory(Store& store) {
  if (!store.execute("drop table if exists history_record") || !store.execute("drop table if exists history"))
    return false;
  store.report(kHistoryDropped);
  return true;
}

// Drops what lies before the oldest of the newest kHistoryLimit changes.
bool prune(Store& store) {
  const std::string oldestKept =
      "<(select id from history order by id desc limit 1 offset " + std::to_string(kHistoryLimit - 1) + ")";
  return store.execute("delete from history_record where changeid" + oldestKept) &&
         store.execute("delete from history where id" + oldestKept);
}

ChangeRow changeRowAt(Recordset& history) {
  return {toInteger(history.collect("id")), history.collect("kind"), history.text("summary"), history.collect("at")};
}

constexpr const char* kChangeFields = "id, kind, summary, at";

// "id=?", "gameid=?", "roleid in (select id from role where gameid=?)"
std::string kinFilter(const CatalogueTable& table, Kin kin) {
  switch (kin) {
    case Kin::Itself: return "id=?";
    case Kin::Children: return std::string(table.parentColumn) + "=?";
    case Kin::Grandchildren: {
      const CatalogueTable& parent = tableOfLevel(table.level - 1);
      return std::string(table.parentColumn) + " in (select id from " + parent.name + " where " + parent.parentColumn +
             "=?)";
    }
  }
  return {};
}

std::string copyStatement(const CatalogueTable& table, Kin kin) {
  return "insert into history_record(changeid, level, " + historyColumnList(table) + ") select ?, " +
         std::to_string(table.level) + ", " + columnList(table) + " from " + table.name + " where " +
         kinFilter(table, kin);
}

// One statement text per table and kin, made once: an import copies one block per replaced combo.
const std::string& cachedCopyStatement(const CatalogueTable& table, Kin kin) {
  static const auto statements = [] {
    std::array<std::array<std::string, 3>, kCatalogueTables.size()> made;
    for (const CatalogueTable* each : kCatalogueTables)
      for (const Kin kin : {Kin::Itself, Kin::Children, Kin::Grandchildren})
        if (kin == Kin::Itself || each->level - static_cast<int>(kin) >= 1)
          made[static_cast<std::size_t>(each->level - 1)][static_cast<std::size_t>(kin)] = copyStatement(*each, kin);
    return made;
  }();
  return statements[static_cast<std::size_t>(table.level - 1)][static_cast<std::size_t>(kin)];
}

FoundName firstName(std::optional<Recordset> records, const char* field) {
  if (!records || records->failed()) return {true, std::nullopt};
  if (records->atEnd()) return {};
  return {false, records->text(field)};
}

std::optional<std::int64_t> changed(Store& store, bool executed) {
  if (!executed) return std::nullopt;
  return sqlite3_changes64(store.handle());
}

// A row an undo can put back as it stands (?2 is the change's top level): ids a catalogue
// record can hold, a parent wherever the table keeps one, each row below the top under a
// record of the change one level up, and no record twice.
constexpr const char* kUnsoundRows =
    "(select count(*) from history_record r where r.changeid=history.id and not ("
    "typeof(r.recordid)='integer' and r.recordid between 1 and 2147483647"
    " and (r.level=1 and ?2=1 and r.parentid is null"
    "  or r.level in (2, 3) and typeof(r.parentid)='integer' and r.parentid between 1 and 2147483647"
    "   and (r.level=?2 or r.level>?2 and r.parentid in"
    "    (select p.recordid from history_record p where p.changeid=r.changeid and p.level=r.level-1)))"
    " and not exists(select 1 from history_record d where d.changeid=r.changeid and d.level=r.level"
    "  and d.recordid=r.recordid and d.id<>r.id))) as unsound";

}  // namespace

bool upgradeHistoryTables(Store& store) {
  if (!store.isOpen()) return false;
  switch (layoutOf(store)) {
    case Layout::None:
    case Layout::Current: return true;
    case Layout::RowNumbers: return rebuildFromRowNumbers(store);
    case Layout::Unknown: return dropHistory(store);
  }
  return false;
}

bool ensureHistoryTables(Store& store) {
  if (!store.isOpen()) return false;
  if (layoutOf(store) == Layout::Current) return true;
  return upgradeHistoryTables(store) && createTables(store);
}

bool hasHistoryTables(Store& store) {
  return store.isOpen() && hasTable(store, "history") && hasTable(store, "history_record");
}

std::optional<ChangeId> insertChange(Store& store, ChangeKind kind, const std::string& summary, std::int64_t at) {
  if (!ensureHistoryTables(store) || !store.execute("insert into history(kind, summary, at) values(?, ?, ?)",
                                                    {static_cast<std::int64_t>(kind), summary, at}))
    return std::nullopt;
  const ChangeId change = store.lastInsertId();
  if (!prune(store)) return std::nullopt;
  return change;
}

bool setChangeSummary(Store& store, ChangeId change, const std::string& summary) {
  return store.execute("update history set summary=? where id=?", {summary, change});
}

std::optional<std::vector<ChangeRow>> readChanges(Store& store) {
  std::vector<ChangeRow> changes;
  if (!hasHistoryTables(store)) return changes;
  auto records = store.OpenRecordset("history", {}, {}, kChangeFields);
  if (!records || records->failed()) return std::nullopt;
  changes.reserve(records->recordCount());
  for (; !records->atEnd(); records->moveNext()) changes.push_back(changeRowAt(*records));
  return changes;
}

std::optional<ChangeRow> newestChange(Store& store) {
  auto record = store.OpenRecordset("history", "id=(select max(id) from history)", {}, kChangeFields);
  if (!record || record->failed() || record->atEnd()) return std::nullopt;
  return changeRowAt(*record);
}

bool forgetChange(Store& store, ChangeId change) {
  return store.execute("delete from history_record where changeid=?", {change}) &&
         store.execute("delete from history where id=?", {change});
}

bool copyRecords(Store& store, ChangeId change, const CatalogueTable& table, Kin kin, std::int64_t id) {
  return store.execute(cachedCopyStatement(table, kin), {change, id});
}

std::optional<DeletedRecordRow> deletedRecord(Store& store, const CatalogueTable& table, std::int64_t id) {
  const std::vector<FieldValue> byId{id};
  std::optional<Recordset> record;
  if (table.level == kGameTable.level)
    record = store.OpenRecordset(
        "game", "id=?", byId,
        "name, (select count(*) from role where gameid=game.id) as characters,"
        " (select count(*) from moves where roleid in (select id from role where gameid=game.id)) as combos");
  else if (table.level == kCharacterTable.level)
    record = store.OpenRecordset("role", "id=?", byId,
                                 "name, (select name from game where id=role.gameid) as parent,"
                                 " (select count(*) from moves where roleid=role.id) as combos");
  else
    record = store.OpenRecordset("moves", "id=?", byId, "name, (select name from role where id=moves.roleid) as parent");
  if (!record || record->atEnd()) return std::nullopt;
  return DeletedRecordRow{record->text("name"), record->text("parent"), toInteger(record->collect("characters")),
                          toInteger(record->collect("combos"))};
}

std::optional<ChangeShapeRow> changeShape(Store& store, ChangeId change, int rootLevel) {
  auto shape = store.OpenRecordset(
      "history", "id=?1", {change, std::int64_t{rootLevel}},
      std::string("(select count(*) from history_record r where r.changeid=history.id) as records,"
                  " (select count(*) from history_record r where r.changeid=history.id and r.level=?2) as roots,"
                  " (select count(*) from history_record r where r.changeid=history.id and r.level=2) as characters,"
                  " (select count(*) from history_record r where r.changeid=history.id and r.level=3) as combos, ") +
          kUnsoundRows);
  if (!shape || shape->failed() || shape->atEnd()) return std::nullopt;
  return ChangeShapeRow{toInteger(shape->collect("records")), toInteger(shape->collect("roots")),
                        toInteger(shape->collect("characters")), toInteger(shape->collect("combos")),
                        toInteger(shape->collect("unsound"))};
}

std::optional<HistoryRecordRow> firstRecordAt(Store& store, ChangeId change, int level) {
  auto root = store.OpenRecordset("history_record", "changeid=? and level=?", {change, std::int64_t{level}},
                                  "recordid, parentid, name");
  if (!root || root->failed() || root->atEnd()) return std::nullopt;
  return HistoryRecordRow{root->integer("recordid"), root->integer("parentid"), root->text("name")};
}

FoundName recordName(Store& store, const CatalogueTable& table, std::int64_t id) {
  return firstName(store.OpenRecordset(table.name, "id=?", {id}, "name"), "name");
}

FoundName recordNamed(Store& store, const CatalogueTable& table, const std::string& name, std::int64_t parentId) {
  std::string filter = "name=? collate name_fold";
  std::vector<FieldValue> params{name};
  if (table.parentColumn) {
    filter += std::string(" and ") + table.parentColumn + "=?";
    params.emplace_back(parentId);
  }
  return firstName(store.OpenRecordset(table.name, filter, params, "id, name"), "name");
}

FoundName goneBlockCombo(Store& store, ChangeId change) {
  return firstName(
      store.OpenRecordset("history_record",
                          "changeid=? and not exists(select 1 from moves where moves.id=history_record.recordid)",
                          {change}, "name"),
      "name");
}

FoundName movedBlockCombo(Store& store, ChangeId change) {
  return firstName(
      store.OpenRecordset(
          "history_record",
          "changeid=? and exists(select 1 from moves m where m.id=history_record.recordid and"
          " (m.roleid is not history_record.parentid or (m.name=history_record.name collate name_fold) is not 1))",
          {change}, "(select name from moves where moves.id=history_record.recordid) as now"),
      "now");
}

std::optional<std::vector<std::string>> gamesOfBlocks(Store& store, ChangeId change) {
  auto games = store.OpenRecordset(
      "game", "id in (select gameid from role where id in (select parentid from history_record where changeid=?))",
      {change}, "name");
  if (!games || games->failed()) return std::nullopt;
  std::vector<std::string> names;
  for (; !games->atEnd(); games->moveNext()) names.push_back(games->text("name"));
  return names;
}

std::optional<bool> idTaken(Store& store, ChangeId change, const CatalogueTable& table) {
  const std::string name = table.name;
  auto taken = store.OpenRecordset(
      "history_record",
      "changeid=? and level=? and exists(select 1 from " + name + " where " + name + ".id=history_record.recordid)",
      {change, std::int64_t{table.level}}, "recordid as id");
  if (!taken || taken->failed()) return std::nullopt;
  return !taken->atEnd();
}

std::optional<std::int64_t> restoreRecords(Store& store, ChangeId change, const CatalogueTable& table) {
  return changed(store, store.execute(std::string("insert into ") + table.name + "(" + columnList(table) + ") select " +
                                          historyColumnList(table) +
                                          " from history_record where changeid=? and level=? order by recordid",
                                      {change, std::int64_t{table.level}}));
}

std::optional<std::int64_t> restoreBlocks(Store& store, ChangeId change) {
  return changed(store, store.execute("update moves set data=h.data from history_record h"
                                      " where h.changeid=? and h.recordid=moves.id",
                                      {change}));
}

std::optional<std::int64_t> parentOf(Store& store, const CatalogueTable& table, std::int64_t id) {
  auto record = store.OpenRecordset(table.name, "id=?", {id}, table.parentColumn);
  if (!record || record->atEnd()) return std::nullopt;
  return toInteger(record->collect(table.parentColumn));
}

}  // namespace strikepad
