#pragma once
// The tables of the undo history, kept beside the catalogue's three in the same file: history
// holds one row per destructive change, history_record what the change removed, one row per
// record (values copied as they were, so an undo puts them back byte for byte). A file gains
// them on its first destructive change; the catalogue's own tables never change their layout.
//
// A change's records are the rows of history_record from its firstrecord on, up to the next
// change's: each change appends its records in its own transaction, and only the newest change
// is ever undone. So history_record needs no index, and recording a record costs one append.

namespace strikepad {

class Store;

// Makes the tables unless the file holds them; inside the caller's transaction, so a change
// that is undone takes them along. False after the store error report.
bool ensureHistoryTables(Store& store);

// Whether the file holds the history yet (false as well without a connection).
bool hasHistoryTables(Store& store);

}  // namespace strikepad
