#pragma once
// What the history holds of one change, checked before an undo puts it back. A file someone
// hands over may hold history rows made to put records elsewhere than where the change says:
// the rows must form what the change names (one record with its children, or blocks of
// combos that stand where they stood), and the change's summary, rebuilt from those rows and
// the records they would go under, must be the one the user is asked about.

#include <string>

#include "history/change_history.h"

namespace strikepad {

class Store;

struct ChangeRecords {
  bool failed = false;  // the store failed (after its report)
  std::string refusal;  // why the rows can not come back as the change says; empty when they can
  // The one record at the top of a delete (a replaced block's combo).
  RecordId rootId = 0;
  RecordId rootParentId = 0;
  std::string rootName;
  std::int64_t count = 0;  // all rows of the change
};

// Reads and checks the rows of `change`, inside the undo's transaction.
ChangeRecords checkedRecords(Store& store, const Change& change);

}  // namespace strikepad
