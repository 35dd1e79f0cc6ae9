// The history's side of the catalogue: replaced blocks recorded, alone or in a batch, and
// the undo command.

#include <string>
#include <utility>

#include "flows/catalogue_flows.h"
#include "flows/history_texts.h"
#include "catalogue/undo.h"

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

ReplacementBatch::ReplacementBatch(Catalogue& catalogue, std::string subject)
    : catalogue_(catalogue), subject_(std::move(subject)) {
  catalogue_.batch_ = &batch_;
}

bool ReplacementBatch::finish() {
  catalogue_.batch_ = nullptr;
  if (!batch_.change) return true;
  return setSummary(catalogue_.store(), *batch_.change, blocksOf(batch_.blocks) + " of " + subject_);
}

void Catalogue::OnUndo() {
  const auto changes = recentChanges(store());
  if (!changes) return;
  if (changes->empty()) return prompts_.notice(kNothingToUndo);
  const Change& newest = changes->front();
  if (!prompts_.ask(history_texts::undoQuestion(newest))) return;
  const UndoResult undone = undoNewest(store(), newest.id);
  switch (undone.kind) {
    case UndoResult::Kind::Failed: return;
    case UndoResult::Kind::NothingToUndo: return prompts_.notice(kNothingToUndo);
    case UndoResult::Kind::Refused: return prompts_.notice(history_texts::refusalText(undone));
    case UndoResult::Kind::Undone: break;
  }
  selectRestored(undone.gameId, undone.characterId, undone.comboId);
}

void Catalogue::selectRestored(RecordId gameId, RecordId characterId, RecordId comboId) {
  FillGameList();
  if (const int game = indexOfId(lists_.games, gameId); game >= 0) {
    lists_.games.select(game);
    FillCharacterList();
  }
  if (const int character = indexOfId(lists_.characters, characterId); character >= 0) {
    lists_.characters.select(character);
    FillComboList();
  }
  if (const int combo = indexOfId(lists_.combos, comboId); combo >= 0) lists_.combos.select(combo);
}

}  // namespace strikepad
