#pragma once
// The catalogue's history of destructive changes, and taking back the newest one.

#include <optional>
#include <vector>

#include "history/change_history.h"
#include "operations/catalogue_file.h"
#include "operations/lookup.h"
#include "operations/outcome.h"

namespace strikepad {

// The kept changes, newest first (none for a file without a history).
struct ChangeList : Result {
  std::vector<Change> changes;
};
ChangeList recentChanges(CatalogueFile& file);

// Done: `change` was undone, and what came back stands at `restored` (0 where a level does not
// apply). NotFound: there is nothing to undo. Refused: `change` stays, `reason` says why.
struct UndoneChange : Result {
  Change change;
  RecordPath restored;
};
// Undoes the newest change when it is `expected` (the one the user was asked about), or
// whichever it is when nothing is expected.
UndoneChange undoNewest(CatalogueFile& file, std::optional<ChangeId> expected = std::nullopt);

}  // namespace strikepad
