// Characters (role records): unique by name within their game.

#include "flows/catalogue_flows.h"
#include "flows/list_steps.h"
#include "flows/window_texts.h"
#include "operations/catalogue_operations.h"

namespace strikepad {

void Catalogue::OnAddCharacter() {
  PickList& games = lists_.games;
  if (games.count() == 0) {
    prompts_.notice(messages::kGameListEmpty);
    return;
  }
  if (!games.hasSelection()) {
    prompts_.notice(messages::kSelectGameFirst);
    return;
  }
  const std::string name = prompts_.askName(messages::kCharacterNameCaption, messages::kCharacterNameInitial);
  if (name.empty()) return;
  const AddResult added = addCharacter(file_, games.selectedId(), name);
  told(added, messages::kGameGone);
  // The game was deleted meanwhile: show the catalogue as it is now.
  if (added.outcome == Outcome::ParentGone) return FillGameList();
  appendOrFind(lists_.characters, name, added.done() ? std::optional(added.id) : std::nullopt);
  FillComboList();
}

void Catalogue::OnDeleteCharacter() {
  PickList& characters = lists_.characters;
  if (!characters.hasSelection()) return;
  if (!prompts_.ask(messages::kDeleteRoleQuestion + characters.selectedText())) return;
  const int selected = characters.selectedIndex();
  const Result deleted = deleteCharacter(file_, characters.selectedId(), history_);
  // Another program deleted it (or its game) first: show the catalogue as it is now.
  if (deleted.outcome == Outcome::NotFound) return FillGameList();
  if (!told(deleted, nullptr)) return;
  removeAndSelectNeighbour(characters, selected);
  FillComboList();
}

void Catalogue::OnRenameCharacter() {
  PickList& characters = lists_.characters;
  if (!characters.hasSelection()) return;
  const std::string name = prompts_.askName(messages::kCharacterNameCaption, characters.selectedText());
  if (name.empty()) return;
  if (!told(renameCharacter(file_, characters.selectedId(), name), messages::kGameGone)) return;
  FillCharacterList();
  selectByName(characters, name);
  FillComboList();
}

}  // namespace strikepad
