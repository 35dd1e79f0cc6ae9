#include "store/history_tables.h"

#include <initializer_list>

#include "store/store.h"

namespace strikepad {

namespace {

// The record columns take no type, so a value comes back exactly as it was stored. The index
// finds a change's records, a level of them, and one record by its id (the undo's checks).
constexpr const char* kCreateStatements[] = {
    "create table if not exists history(id integer primary key autoincrement, kind integer not null,"
    " summary text not null, at integer not null)",
    "create table if not exists history_record(id integer primary key,"
    " changeid integer not null references history(id), level integer not null, recordid integer not null,"
    " parentid, name, data)",
    "create index if not exists history_record_changeid on history_record(changeid, level, recordid)",
};

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

// Asked of the connection's schema, without running a statement: every delete asks.
bool hasColumns(Store& store, const char* table, std::initializer_list<const char*> columns) {
  for (const char* column : columns)
    if (sqlite3_table_column_metadata(store.handle(), "main", table, column, nullptr, nullptr, nullptr, nullptr,
                                      nullptr) != SQLITE_OK)
      return false;
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
      !hasColumns(store, "history_record", {"changeid", "level", "recordid", "parentid", "name", "data"}))
    return Layout::Unknown;
  if (!hasColumns(store, "history_record", {"id"})) return Layout::RowNumbers;
  const bool current = isPrimaryKey(store, "history_record", "id") && !hasColumns(store, "history", {"firstrecord"});
  return current ? Layout::Current : Layout::Unknown;
}

bool createTables(Store& store) {
  for (const char* statement : kCreateStatements)
    if (!store.execute(statement)) return false;
  return true;
}

// Every record row of earlier versions already named its change, so each change keeps all its
// records, renumbered or not; rows of no kept change belonged to nothing an undo could reach.
bool rebuildFromRowNumbers(Store& store) {
  return store.execute("alter table history_record rename to history_record_earlier") && createTables(store) &&
         store.execute("insert into history_record(changeid, level, recordid, parentid, name, data)"
                       " select changeid, level, recordid, parentid, name, data from history_record_earlier"
                       " where changeid in (select id from history) order by rowid") &&
         store.execute("drop table history_record_earlier") &&
         (!hasColumns(store, "history", {"firstrecord"}) || store.execute("alter table history drop column firstrecord"));
}

bool dropHistory(Store& store) {
  if (!store.execute("drop table if exists history_record") || !store.execute("drop table if exists history"))
    return false;
  store.report(kHistoryDropped);
  return true;
}

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

}  // namespace strikepad
