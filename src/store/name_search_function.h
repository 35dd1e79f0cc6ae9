#pragma once
// The SQL function name_contains(name, text): 1 when `name` holds `text` by the one name rule
// (text/name_fold.h), else 0. The text is folded once per statement, not once per row, so a
// search of every name in the catalogue costs one pass over the names.

#include <sqlite3.h>

namespace strikepad {

// Registers the function on the connection. Only this program's own statements may call it:
// a file's triggers and views may not.
bool registerNameSearch(sqlite3* db);

}  // namespace strikepad
