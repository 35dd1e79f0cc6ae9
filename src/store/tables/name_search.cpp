#include "store/tables/name_search.h"

#include "store/store.h"

namespace strikepad {

namespace {

// Each level scans its names once through name_contains; the combos' names come from the index
// the combo list reads by, which holds them without the combos' bytes. Only the matches are
// joined to their parents and sorted.
constexpr std::string_view kSearch =
    "select id, name, 0, null, 0, null from game where name_contains(name, ?1)"
    " union all"
    " select g.id, g.name, r.id, r.name, 0, null from role r join game g on g.id=r.gameid"
    " where name_contains(r.name, ?1)"
    " union all"
    " select g.id, g.name, r.id, r.name, m.id, m.name from moves m join role r on r.id=m.roleid"
    " join game g on g.id=r.gameid where name_contains(m.name, ?1)"
    " order by 1, 3, 5 limit ?2";

std::string textColumn(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column))) : std::string();
}

}  // namespace

std::optional<std::vector<NameMatchRow>> findNamesContaining(Store& store, std::string_view text, std::int64_t limit) {
  if (!store.isOpen()) return std::nullopt;
  // Bound where they lie: they live as long as the statement steps.
  const std::vector<FieldValue> params{std::string(text), limit};
  const StatementHandle statement = prepareStatement(store.handle(), kSearch);
  if (!statement || bindAll(statement.get(), params) != SQLITE_OK) {
    store.reportLastError();
    return std::nullopt;
  }
  std::vector<NameMatchRow> rows;
  int result = SQLITE_ROW;
  while ((result = sqlite3_step(statement.get())) == SQLITE_ROW) {
    sqlite3_stmt* row = statement.get();
    rows.push_back({sqlite3_column_int64(row, 0), textColumn(row, 1), sqlite3_column_int64(row, 2),
                    textColumn(row, 3), sqlite3_column_int64(row, 4), textColumn(row, 5)});
  }
  if (result != SQLITE_DONE) {
    store.reportLastError();
    return std::nullopt;
  }
  return rows;
}

}  // namespace strikepad
