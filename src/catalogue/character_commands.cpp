// Characters (role records): unique by name within their game.

#include "catalogue/catalogue.h"
#include "catalogue/list_steps.h"
#include "catalogue/messages.h"
#include "catalogue/records.h"

namespace strikepad {

RecordId Catalogue::StoreNewCharacter(const std::string& name, RecordId gameId) {
  return storedOrTold(insertUnlessTaken(store_, kCharacterLevel, gameId, name), messages::kGameGone);
}

DeleteOutcome Catalogue::RemoveCharacter(RecordId characterId) { return deleteCharacter(store_, characterId); }

int Catalogue::RenameCharacter(RecordId characterId, const std::string& newName) {
  return renamed(renameUnlessTaken(store_, kCharacterLevel, characterId, newName), messages::kGameGone);
}

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
  const RecordId id = StoreNewCharacter(name, games.selectedId());
  // The game was deleted meanwhile: show the catalogue as it is now.
  if (id == kParentGone) return FillGameList();
  appendOrFind(lists_.characters, name, id);
  FillComboList();
}

void Catalogue::OnDeleteCharacter() {
  PickList& characters = lists_.characters;
  if (!characters.hasSelection()) return;
  if (!prompts_.ask(messages::kDeleteRoleQuestion + characters.selectedText())) return;
  const int selected = characters.selectedIndex();
  switch (RemoveCharacter(characters.selectedId())) {
    case DeleteOutcome::Failed: return;
    // Another program deleted it (or its game) first: show the catalogue as it is now.
    case DeleteOutcome::NothingThere: return FillGameList();
    case DeleteOutcome::Deleted: break;
  }
  removeAndSelectNeighbour(characters, selected);
  FillComboList();
}

void Catalogue::OnRenameCharacter() {
  PickList& characters = lists_.characters;
  if (!characters.hasSelection()) return;
  const std::string name = prompts_.askName(messages::kCharacterNameCaption, characters.selectedText());
  if (name.empty() || RenameCharacter(characters.selectedId(), name) != 1) return;
  FillCharacterList();
  selectByName(characters, name);
  FillComboList();
}

}  // namespace strikepad
