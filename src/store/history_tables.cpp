#include "store/history_tables.h"

#include "store/store.h"

namespace strikepad {

namespace {

// The record columns take no type, so a value comes back exactly as it was stored.
constexpr const char* kCreateStatements[] = {
    "create table if not exists history(id integer primary key autoincrement, kind integer not null,"
    " summary text not null, at integer not null, firstrecord integer not null)",
    "create table if not exists history_record(changeid integer not null, level integer not null,"
    " recordid integer not null, parentid, name, data)",
};

}  // namespace

bool ensureHistoryTables(Store& store) {
  if (hasHistoryTables(store)) return true;
  for (const char* statement : kCreateStatements)
    if (!store.execute(statement)) return false;
  return true;
}

bool hasHistoryTables(Store& store) {
  if (!store.isOpen()) return false;
  // Asked of the connection's schema, without running a statement: every delete asks.
  for (const char* table : {"history", "history_record"})
    if (sqlite3_table_column_metadata(store.handle(), "main", table, nullptr, nullptr, nullptr, nullptr, nullptr,
                                      nullptr) != SQLITE_OK)
      return false;
  return true;
}

}  // namespace strikepad
