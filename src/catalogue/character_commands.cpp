// Characters (role records): unique by name within their game.

#include "catalogue/catalogue.h"
#include "catalogue/list_steps.h"
#include "catalogue/messages.h"
#include "catalogue/records.h"

namespace strikepad {

StoreResult Catalogue::StoreNewCharacter(const std::string& name, RecordId gameId) {
  return insertResult(insertUnlessTaken(store_, kCharacterLevel, gameId, name));
}

DeleteOutcome Catalogue::RemoveCharacter(RecordId characterId) { return deleteCharacter(store_, characterId, history_); }

StoreResult Catalogue::RenameCharacter(RecordId characterId, const std::string& newName) {
  return renameResult(renameUnlessTaken(store_, kCharacterLevel, characterId, newName), characterId);
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
  const StoreResult added = StoreNewCharacter(name, games.selectedId());
  presentRefusal(prompts_, added, messages::kGameGone);
  // The game was deleted meanwhile: show the catalogue as it is now.
  if (added.kind == StoreResult::Kind::ParentGone) return FillGameList();
  appendOrFind(lists_.characters, name, added);
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
  if (name.empty()) return;
  const StoreResult renamed = RenameCharacter(characters.selectedId(), name);
  presentRefusal(prompts_, renamed, messages::kGameGone);
  if (!renamed.stored()) return;
  FillCharacterList();
  selectByName(characters, name);
  FillComboList();
}

}  // namespace strikepad
