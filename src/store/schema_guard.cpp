#include "store/schema_guard.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string_view>
#include <vector>

#include "store/tables/history_table.h"
#include "store/schema.h"
#include "store/store.h"

namespace strikepad {

namespace {

std::string lowered(std::string_view text) {
  std::string result(text);
  std::ranges::transform(result, result.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

// The tables SQLite keeps itself: the sequence of ids, statistics.
bool isSqlitesOwn(const std::string& table) { return lowered(table).starts_with("sqlite_"); }

std::string textOf(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column))) : std::string();
}

// Runs `sql` with `parameter` (if any) bound to ?1 and hands each row to `row`. False when the
// query failed.
template <class Row>
bool eachRow(sqlite3* db, const char* sql, const std::string& parameter, Row row) {
  const StatementHandle statement = prepareStatement(db, sql);
  if (!statement) return false;
  if (!parameter.empty()) sqlite3_bind_text(statement.get(), 1, parameter.c_str(), -1, SQLITE_STATIC);
  int result = SQLITE_ROW;
  while ((result = sqlite3_step(statement.get())) == SQLITE_ROW) row(statement.get());
  return result == SQLITE_DONE;
}

// A table as far as the check needs it. Names are compared as SQLite does, without regard to
// (ASCII) case.
struct TableShape {
  std::vector<std::string> columns;     // as they are written, generated and hidden ones too
  std::set<std::string> references;     // described by describeReference
  bool everyColumnKnown = false;        // the catalogue's own tables: no column but the program's
};
using Shapes = std::map<std::string, TableShape>;  // by lower-cased table name

std::string describeReference(sqlite3_stmt* row) {
  std::string text = lowered(textOf(row, 1)) + " to " + lowered(textOf(row, 0)) + "(" + lowered(textOf(row, 2)) + ")";
  for (const auto& [column, action] : {std::pair{3, " on update "}, std::pair{4, " on delete "}}) {
    const std::string what = lowered(textOf(row, column));
    if (what != "no action") text.append(action).append(what);
  }
  return text;
}

std::optional<TableShape> shapeOf(sqlite3* db, const std::string& table) {
  TableShape shape;
  if (!eachRow(db, "select name from pragma_table_xinfo(?1)", table,
               [&](sqlite3_stmt* row) { shape.columns.push_back(textOf(row, 0)); }) ||
      !eachRow(db, "select \"table\", \"from\", coalesce(\"to\", ''), on_update, on_delete from pragma_foreign_key_list(?1)",
               table, [&](sqlite3_stmt* row) { shape.references.insert(describeReference(row)); }))
    return std::nullopt;
  return shape;
}

// Adds the shape of every table of `db` that `shapes` does not hold yet.
bool addShapes(sqlite3* db, bool everyColumnKnown, Shapes& shapes) {
  std::vector<std::string> tables;
  if (!eachRow(db, "select name from sqlite_schema where type='table'", {},
               [&](sqlite3_stmt* row) { tables.push_back(textOf(row, 0)); }))
    return false;
  for (const std::string& table : tables) {
    if (isSqlitesOwn(table) || shapes.contains(lowered(table))) continue;
    std::optional<TableShape> shape = shapeOf(db, table);
    if (!shape) return false;
    shape->everyColumnKnown = everyColumnKnown;
    shapes.emplace(lowered(table), std::move(*shape));
  }
  return true;
}

// What this program makes, made by its own code in memory, so the check follows the tables
// as they change: the catalogue's tables, then the undo history's.
std::optional<Shapes> buildReference() {
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  ConnectionHandle db(raw);
  Shapes shapes;
  if (rc != SQLITE_OK || !createCatalogueTables(db.get()) || !addShapes(db.get(), true, shapes)) return std::nullopt;
  Store store(":memory:");
  if (!store.adopt(std::move(db)) || !ensureHistoryTables(store) || !addShapes(store.handle(), false, shapes))
    return std::nullopt;
  return shapes;
}

// `name` as an SQL identifier, quoted when it is no plain word.
std::string sqlName(const std::string& name) {
  const bool plain = !name.empty() && !std::isdigit(static_cast<unsigned char>(name[0])) &&
                     std::ranges::all_of(name, [](unsigned char c) { return std::isalnum(c) || c == '_'; }) &&
                     !sqlite3_keyword_check(name.data(), static_cast<int>(name.size()));
  if (plain) return name;
  std::string quoted = "\"";
  for (const char c : name) quoted.append(c == '"' ? "\"\"" : std::string(1, c));
  return quoted + "\"";
}

std::string shellQuoted(std::string_view word) {
  std::string quoted = "'";
  for (const char c : word) quoted.append(c == '\'' ? "'\\''" : std::string(1, c));
  return quoted + "'";
}

std::string shellWord(const std::string& word) {
  const bool plain = !word.empty() && word[0] != '-' && std::ranges::all_of(word, [](unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '.' || c == '/' || c == '-';
  });
  return plain ? word : shellQuoted(word);
}

// One schema entry and what the check has to say about it.
struct Finder {
  const Shapes& reference;
  std::string file;
  std::vector<std::string> found;

  void removable(const std::string& what, const std::string& sql) {
    found.push_back(what + "; remove it with: sqlite3 " + file + " " + shellQuoted(sql));
  }

  bool table(sqlite3* db, const std::string& name) {
    const auto known = reference.find(lowered(name));
    if (known == reference.end()) return true;
    const std::optional<TableShape> shape = shapeOf(db, name);
    if (!shape) return false;
    std::set<std::string> knownColumns;
    for (const std::string& column : known->second.columns) knownColumns.insert(lowered(column));
    if (known->second.everyColumnKnown) {
      for (const std::string& column : shape->columns)
        if (!knownColumns.contains(lowered(column)))
          removable("column " + sqlName(name) + "." + sqlName(column), "alter table " + sqlName(name) + " drop column " + sqlName(column));
    }
    for (const std::string& link : shape->references)
      if (!known->second.references.contains(link))
        found.push_back("reference from " + sqlName(name) + "." + link + "; remove it by making the table anew without it");
    return true;
  }
};

}  // namespace

std::optional<std::string> foreignSchemaReport(sqlite3* db, const std::filesystem::path& file) {
  static const std::optional<Shapes> reference = buildReference();
  if (!reference) return std::nullopt;
  struct Entry {
    std::string type, name;
    bool stored;  // a table with pages of its own, not a virtual one
  };
  std::vector<Entry> entries;
  if (!eachRow(db, "select type, name, rootpage<>0 from sqlite_schema", {},
               [&](sqlite3_stmt* row) {
                 entries.push_back({textOf(row, 0), textOf(row, 1), sqlite3_column_int(row, 2) != 0});
               }))
    return std::nullopt;
  Finder finder{*reference, shellWord(file.string()), {}};
  for (const Entry& entry : entries) {
    if (entry.type == "trigger" || entry.type == "view") {
      finder.removable(entry.type + " " + sqlName(entry.name), "drop " + entry.type + " " + sqlName(entry.name));
    } else if (entry.type == "table" && !entry.stored) {
      finder.removable("virtual table " + sqlName(entry.name), "drop table " + sqlName(entry.name));
    } else if (entry.type == "table" && !isSqlitesOwn(entry.name) && !finder.table(db, entry.name)) {
      return std::nullopt;
    }
  }
  std::string report;
  if (finder.found.empty()) return report;
  report = "this catalogue holds what this program did not make, so it is read but not changed:";
  for (const std::string& line : finder.found) report.append("\n").append(line);
  return report;
}

}  // namespace strikepad
