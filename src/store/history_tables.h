#pragma once
// The tables of the undo history, kept beside the catalogue's three in the same file: history
// holds one row per destructive change, history_record what the change removed, one row per
// record (values copied as they were, so an undo puts them back byte for byte). A file gains
// them on its first destructive change; the catalogue's own tables never change their layout.
//
// Each record row names its change in a declared column (history_record.changeid, referencing
// history.id, with an index), and both tables have a declared integer primary key: nothing
// hangs on SQLite's implicit row numbers, which VACUUM, a dump and reload, or a database
// browser's "compact" may renumber.

namespace strikepad {

class Store;

// Said (through the store's report) when a file's history could not be read and was dropped.
inline constexpr const char* kHistoryDropped =
    "The catalogue's undo history could not be read and was dropped; its games, characters and combos are as they "
    "were.";

// Inside the caller's transaction, so a change that is undone takes them along: brings the
// file's history to this layout (upgradeHistoryTables) and makes the tables unless the file
// holds them. False after the store error report.
bool ensureHistoryTables(Store& store);

// Whether the file holds the history yet (false as well without a connection).
bool hasHistoryTables(Store& store);

// Inside the caller's transaction: a history in the layout of earlier versions (whose records
// were found by row number) is rebuilt in this one, with every change kept; a history in no
// layout this program knows (a table or column missing) is dropped, which the store's report
// says with kHistoryDropped. Only the two history tables are touched. False after the store
// error report.
bool upgradeHistoryTables(Store& store);

}  // namespace strikepad
