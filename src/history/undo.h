#pragma once
// Undo: the newest change of the history taken back, in one transaction. A delete's records
// come back with their ids, names and blocks; replaced blocks come back into their records.

#include <optional>
#include <string>

#include "history/change_history.h"
#include "store/tables/record_id.h"

namespace strikepad {

class Store;

struct UndoResult {
  enum class Kind {
    Undone,
    NothingToUndo,
    Refused,  // nothing changed; the change stays in the history
    Failed,   // the store failed (after its report)
  };
  Kind kind;
  Change change;       // the newest change (Undone, Refused)
  std::string reason;  // Refused: why, as the user is told it
  // Where what came back stands, for the lists to select; 0 where it does not apply.
  RecordId gameId = 0;
  RecordId characterId = 0;
  RecordId comboId = 0;
};

// Undoes the newest change, when it is `expected` (the one the user was asked about), or
// whichever it is when nothing is expected: all of its records, or none. Refused, with nothing
// changed, when a record of the same name now stands where a record would come back, when its
// parent is gone, when a record now holds one of its ids, when the combo of a replaced block
// is gone, and when the history's rows of it do not match what it names (change_records.h)
// or hold a value no change holds. A history in an earlier layout is upgraded first
// (store/tables/history_table.h), and stays so.
UndoResult undoNewest(Store& store, std::optional<ChangeId> expected = std::nullopt);

}  // namespace strikepad
