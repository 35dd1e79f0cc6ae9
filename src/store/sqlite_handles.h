#pragma once
// Owning handles for the SQLite connection and its prepared statements.

#include <sqlite3.h>

#include <memory>
#include <string_view>
#include <vector>

#include "store/field_value.h"

namespace strikepad {

struct ConnectionCloser {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StatementFinalizer {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

using ConnectionHandle = std::unique_ptr<sqlite3, ConnectionCloser>;
using StatementHandle = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Prepares `sql` (`flags`: SQLITE_PREPARE_*); empty handle on failure (the connection's
// error says why).
StatementHandle prepareStatement(sqlite3* db, std::string_view sql, unsigned flags = 0);

// Binds `params` to ?1, ?2, ... in order. Returns an SQLite result code.
int bindAll(sqlite3_stmt* statement, const std::vector<FieldValue>& params);

// The value of column `index` of the statement's current row.
FieldValue columnValue(sqlite3_stmt* statement, int index);

}  // namespace strikepad
