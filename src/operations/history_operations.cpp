#include "operations/history_operations.h"

#include <utility>

#include "history/undo.h"

namespace strikepad {

ChangeList recentChanges(CatalogueFile& file) {
  auto changes = recentChanges(file.store());
  ChangeList list;
  if (!changes)
    static_cast<Result&>(list) = file.storeFailed();
  else
    list.changes = std::move(*changes);
  return list;
}

UndoneChange undoNewest(CatalogueFile& file, std::optional<ChangeId> expected) {
  UndoResult undone = undoNewest(file.store(), expected);
  UndoneChange result;
  result.change = std::move(undone.change);
  switch (undone.kind) {
    case UndoResult::Kind::Undone: result.restored = {undone.gameId, undone.characterId, undone.comboId}; break;
    case UndoResult::Kind::NothingToUndo: result.outcome = Outcome::NotFound; break;
    case UndoResult::Kind::Refused: static_cast<Result&>(result) = refused(std::move(undone.reason)); break;
    case UndoResult::Kind::Failed: static_cast<Result&>(result) = file.storeFailed(); break;
  }
  return result;
}

}  // namespace strikepad
