#include "store/history_tables.h"

#include "store/store.h"

namespace strikepad {

namespace {

// The record columns take no type, so a value comes back exactly as it was stored.
constexpr const char* kCreateStatements[] = {
    "create table if not exists history(id integer primary key autoincrement, kind integer not null,"
    " summary text not null, at integer not null)",
    "create table if not exists history_record(changeid integer not null references history(id),"
    " level integer not null, recordid integer not null, parentid, name, data)",
    "create index if not exists history_record_change on history_record(changeid, level)",
};

}  // namespace

bool ensureHistoryTables(Store& store) {
  for (const char* statement : kCreateStatements)
    if (!store.execute(statement)) return false;
  return true;
}

bool hasHistoryTables(Store& store) {
  auto tables = store.OpenRecordset("sqlite_master", "type='table' and name='history'", {}, "rowid as id");
  return tables && !tables->failed() && !tables->atEnd();
}

}  // namespace strikepad
