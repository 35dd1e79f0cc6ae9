// Ctrl+Z: the newest change of the history taken back, and the lists on what came back.

#include <string>
#include <utility>

#include "flows/catalogue_flows.h"
#include "flows/history_texts.h"
#include "operations/history_operations.h"

namespace strikepad {

namespace {

using history_texts::kNothingToUndo;

// The entry of the list that carries `id`; -1 when none does.
int indexOfId(const PickList& list, RecordId id) {
  for (int i = 0; i < list.count(); ++i)
    if (list.id(i) == id) return i;
  return -1;
}

}  // namespace

void Catalogue::OnUndo() {
  const ChangeList changes = recentChanges(file_);
  if (!changes.done()) return prompts_.warning(changes.reason);
  // Reading the history may have upgraded it, or dropped one it could not read: say so first.
  warnOfStoreReport();
  if (changes.changes.empty()) return prompts_.notice(kNothingToUndo);
  const Change& newest = changes.changes.front();
  if (!prompts_.ask(history_texts::undoQuestion(newest))) return;
  const UndoneChange undone = undoNewest(file_, newest.id);
  switch (undone.outcome) {
    case Outcome::Done: break;
    case Outcome::NotFound: return prompts_.notice(kNothingToUndo);
    case Outcome::Refused: return prompts_.notice(history_texts::refusalText(undone.change, undone.reason));
    default: return prompts_.warning(undone.reason);
  }
  warnOfStoreReport();
  selectRecord(undone.restored);
}

void Catalogue::selectRecord(const RecordPath& path) {
  FillGameList();
  if (const int game = indexOfId(lists_.games, path.game); game >= 0) {
    lists_.games.select(game);
    FillCharacterList();
  }
  if (const int character = indexOfId(lists_.characters, path.character); character >= 0) {
    lists_.characters.select(character);
    FillComboList();
  }
  if (const int combo = indexOfId(lists_.combos, path.combo); combo >= 0) lists_.combos.select(combo);
}

}  // namespace strikepad
