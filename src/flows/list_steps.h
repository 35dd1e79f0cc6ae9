#pragma once
// The list steps the add and delete commands of all three levels share.

#include <optional>
#include <string>

#include "flows/pick_list.h"

namespace strikepad {

// After an add: a stored record (`addedId`) becomes the new last entry, selected; a refused
// name (nullopt) selects what the find-string rule yields for it (the existing record, as a rule).
inline void appendOrFind(PickList& list, const std::string& name, std::optional<RecordId> addedId) {
  if (addedId) {
    list.select(list.append(name, *addedId));
  } else {
    selectByName(list, name);
  }
}

// After a delete: the entry before the removed one is selected, or the new first entry.
inline void removeAndSelectNeighbour(PickList& list, int removed) {
  list.remove(removed);
  list.select(list.count() > 0 ? (removed > 0 ? removed - 1 : 0) : -1);
}

}  // namespace strikepad
