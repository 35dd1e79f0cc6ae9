#include "store/name_search_function.h"

#include <memory>
#include <string>
#include <string_view>

#include "text/name_fold.h"

namespace strikepad {

namespace {

std::string_view textOf(sqlite3_value* value) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
  return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_value_bytes(value))) : std::string_view();
}

void dropFoldedText(void* folded) { std::unique_ptr<std::string> owned(static_cast<std::string*>(folded)); }

void nameContains(sqlite3_context* context, int, sqlite3_value** args) {
  if (sqlite3_value_type(args[0]) == SQLITE_NULL) return sqlite3_result_int(context, 0);
  // SQLite keeps the folded text with the statement while the argument stays the same bound
  // value; it may also drop it at once, so the first row searches with its own copy.
  const auto* folded = static_cast<const std::string*>(sqlite3_get_auxdata(context, 1));
  std::string firstRow;
  if (!folded) {
    firstRow = foldName(textOf(args[1]));
    sqlite3_set_auxdata(context, 1, std::make_unique<std::string>(firstRow).release(), dropFoldedText);
    folded = &firstRow;
  }
  sqlite3_result_int(context, foldedNameContains(textOf(args[0]), *folded) ? 1 : 0);
}

}  // namespace

bool registerNameSearch(sqlite3* db) {
  return sqlite3_create_function_v2(db, "name_contains", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_DIRECTONLY,
                                    nullptr, nameContains, nullptr, nullptr, nullptr) == SQLITE_OK;
}

}  // namespace strikepad
