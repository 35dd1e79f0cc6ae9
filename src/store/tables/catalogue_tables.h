#pragma once
// The catalogue's three tables, declared once: the schema makes them from these columns, and
// the history copies and restores a record through the same list, so a column added here is
// made, kept by a delete and put back by its undo without another line to write.

#include <array>
#include <span>
#include <string>
#include <vector>

namespace strikepad {

struct TableColumn {
  const char* name;
  const char* declaration;    // its type and constraints in the table's create statement
  const char* historyColumn;  // the column of history_record that keeps its value
};

struct CatalogueTable {
  const char* name;
  int level;  // as the history numbers the levels: 1 game, 2 character, 3 combo
  std::span<const TableColumn> columns;
  const char* parentColumn;  // nullptr for games
  const char* index;         // the index the lists read by, nullptr for none
};

// Where the history keeps a record's id and its parent's id.
inline constexpr const char* kHistoryRecordId = "recordid";
inline constexpr const char* kHistoryParentId = "parentid";

inline constexpr TableColumn kGameColumns[]{
    {"id", "integer primary key autoincrement", kHistoryRecordId},
    {"name", "text collate nocase", "name"},
};
inline constexpr TableColumn kCharacterColumns[]{
    {"id", "integer primary key autoincrement", kHistoryRecordId},
    {"name", "text collate nocase", "name"},
    {"gameid", "integer references game(id)", kHistoryParentId},
};
inline constexpr TableColumn kComboColumns[]{
    {"id", "integer primary key autoincrement", kHistoryRecordId},
    {"name", "text collate nocase", "name"},
    {"roleid", "integer references role(id)", kHistoryParentId},
    {"data", "blob", "data"},
};

inline constexpr CatalogueTable kGameTable{"game", 1, kGameColumns, nullptr, nullptr};
inline constexpr CatalogueTable kCharacterTable{"role", 2, kCharacterColumns, "gameid",
                                                "create index role_gameid on role(gameid, id, name)"};
inline constexpr CatalogueTable kComboTable{"moves", 3, kComboColumns, "roleid",
                                            "create index moves_roleid on moves(roleid, id, name)"};

// Top level first, as the history numbers them.
inline constexpr std::array<const CatalogueTable*, 3> kCatalogueTables{&kGameTable, &kCharacterTable, &kComboTable};
const CatalogueTable& tableOfLevel(int level);

// "create table game(id integer primary key autoincrement, name text collate nocase)"
std::string createStatement(const CatalogueTable& table);
// "id, name, gameid": the table's columns in declared order.
std::string columnList(const CatalogueTable& table);
// "recordid, name, parentid": where the history keeps them, in the same order.
std::string historyColumnList(const CatalogueTable& table);
// The history_record columns that keep a record's values besides its id, each once: the
// parent's id, then the others in the order the tables first name them ("parentid, name, data").
std::vector<std::string> historyValueColumns();

}  // namespace strikepad
