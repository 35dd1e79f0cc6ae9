// Characters (role records): unique by name within their game.

#include "catalogue/catalogue.h"
#include "catalogue/list_steps.h"
#include "catalogue/messages.h"
#include "catalogue/records.h"

namespace strikepad {

RecordId Catalogue::StoreNewCharacter(const std::string& name, RecordId gameId) {
  const RecordId id = insertUnlessTaken(store_, kCharacterLevel, gameId, name);
  if (id != kNameTaken) return id;
  if (warnOnDuplicate) prompts_.notice(kDuplicateName);
  return -1;
}

void Catalogue::RemoveCharacter(RecordId characterId) { deleteCharacter(store_, characterId); }

int Catalogue::RenameCharacter(RecordId characterId, const std::string& newName) {
  const RenameOutcome outcome = renameUnlessTaken(store_, kCharacterLevel, characterId, newName);
  if (outcome == RenameOutcome::Taken) prompts_.notice(kDuplicateName);
  return outcome == RenameOutcome::Renamed ? 1 : 0;
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
  appendOrFind(lists_.characters, name, StoreNewCharacter(name, games.selectedId()));
  FillComboList();
}

void Catalogue::OnDeleteCharacter() {
  PickList& characters = lists_.characters;
  if (!characters.hasSelection()) return;
  if (!prompts_.ask(messages::kDeleteRoleQuestion + characters.selectedText())) return;
  const int selected = characters.selectedIndex();
  if (!deleteCharacter(store_, characters.selectedId())) return;
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
