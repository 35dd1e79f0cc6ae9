#pragma once
// The tables of the undo history, kept beside the catalogue's three in the same file, and every
// statement that reads or writes them: history holds one row per destructive change,
// history_record what the change removed, one row per record (values copied as they were, so
// an undo puts them back byte for byte). A file gains them on its first destructive change;
// the catalogue's own tables never change their layout.
//
// Each record row names its change in a declared column (history_record.changeid, referencing
// history.id, with an index), and both tables have a declared integer primary key: nothing
// hangs on SQLite's implicit row numbers, which VACUUM, a dump and reload, or a database
// browser's "compact" may renumber. A record's values are copied and put back through the
// columns catalogue_tables.h declares.
//
// Every function works inside the caller's transaction; a failure (false, nullopt, `failed`)
// comes after the store error report.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/field_value.h"
#include "store/tables/catalogue_tables.h"

namespace strikepad {

class Store;

inline constexpr int kHistoryLimit = 100;

// The values are stored in the file: never renumber them.
enum class ChangeKind : std::int64_t { DeleteGame = 1, DeleteCharacter = 2, DeleteCombo = 3, ReplaceBlocks = 4 };

using ChangeId = std::int64_t;

// Said (through the store's report) when a file's history could not be read and was dropped.
inline constexpr const char* kHistoryDropped =
    "The catalogue's undo history could not be read and was dropped; its games, characters and combos are as they "
    "were.";

// Brings the file's history to this layout (upgradeHistoryTables) and makes the tables unless
// the file holds them.
bool ensureHistoryTables(Store& store);

// Whether the file holds the history yet (false as well without a connection).
bool hasHistoryTables(Store& store);

// A history in the layout of earlier versions (whose records were found by row number) is
// rebuilt in this one, with every change kept; a history in no layout this program knows (a
// table or column missing) is dropped, which the store's report says with kHistoryDropped.
// Only the two history tables are touched.
bool upgradeHistoryTables(Store& store);

// --- changes ---

// A row of history as the file holds it: kind and time as stored, for the reader to check.
struct ChangeRow {
  ChangeId id = 0;
  FieldValue kind;
  std::string summary;
  FieldValue at;
};

// A new change (making the tables when the file has none yet); the oldest changes beyond the
// newest kHistoryLimit go, with their records.
std::optional<ChangeId> insertChange(Store& store, ChangeKind kind, const std::string& summary, std::int64_t at);
bool setChangeSummary(Store& store, ChangeId change, const std::string& summary);
// Every change, oldest first; none for a file without a history.
std::optional<std::vector<ChangeRow>> readChanges(Store& store);
// The newest change; nullopt when there is none, or after the report.
std::optional<ChangeRow> newestChange(Store& store);
// The change and its records gone from the history.
bool forgetChange(Store& store, ChangeId change);

// --- a change's records ---

// Which records of a table a copy takes: the record `id`, its children, or its grandchildren.
enum class Kin { Itself, Children, Grandchildren };
// Copies those records of `table` into the change, values as they are. One statement for all
// of them: the rows never pass through this program.
bool copyRecords(Store& store, ChangeId change, const CatalogueTable& table, Kin kin, std::int64_t id);

// A record about to go, as a change's summary names it: a game with its number of characters
// and combos, a character with its game and its number of combos, a combo with its character.
struct DeletedRecordRow {
  std::string name;
  std::string parent;
  std::int64_t characters = 0;
  std::int64_t combos = 0;
};
// nullopt when the record is gone or the store failed.
std::optional<DeletedRecordRow> deletedRecord(Store& store, const CatalogueTable& table, std::int64_t id);

// How the change's rows are made up; `unsound` counts the rows an undo can not put back as they
// stand (an id no record can hold, a missing parent, a row under no record of the change one
// level up, a record twice).
struct ChangeShapeRow {
  std::int64_t records = 0;
  std::int64_t roots = 0;  // at `rootLevel`
  std::int64_t characters = 0;
  std::int64_t combos = 0;
  std::int64_t unsound = 0;
};
std::optional<ChangeShapeRow> changeShape(Store& store, ChangeId change, int rootLevel);

// The first row of the change at `level`; nullopt when there is none, or after the report.
struct HistoryRecordRow {
  std::int64_t recordId = 0;
  std::int64_t parentId = 0;
  std::string name;
};
std::optional<HistoryRecordRow> firstRecordAt(Store& store, ChangeId change, int level);

// A name a query found, or none; `failed` after the report.
struct FoundName {
  bool failed = false;
  std::optional<std::string> name;
};
// The name of the record `id` of `table`.
FoundName recordName(Store& store, const CatalogueTable& table, std::int64_t id);
// A record of `table` named `name` (as the name checks compare names) under `parentId`.
FoundName recordNamed(Store& store, const CatalogueTable& table, const std::string& name, std::int64_t parentId);
// Replaced blocks: the name the history gives a combo that is gone, and the name now of a combo
// that stands under another character or another name than its row says.
FoundName goneBlockCombo(Store& store, ChangeId change);
FoundName movedBlockCombo(Store& store, ChangeId change);
// The names of the games that hold the combos of replaced blocks.
std::optional<std::vector<std::string>> gamesOfBlocks(Store& store, ChangeId change);

// Whether a record of `table` holds the id of one of the change's records of its level.
std::optional<bool> idTaken(Store& store, ChangeId change, const CatalogueTable& table);

// Puts back the change's records of `table`, with every declared column; how many.
std::optional<std::int64_t> restoreRecords(Store& store, ChangeId change, const CatalogueTable& table);
// Puts the replaced blocks back into their combos; how many combos got theirs.
std::optional<std::int64_t> restoreBlocks(Store& store, ChangeId change);

// The parent id of the record `id` of `table`; nullopt when it is gone or the store failed.
std::optional<std::int64_t> parentOf(Store& store, const CatalogueTable& table, std::int64_t id);

}  // namespace strikepad
