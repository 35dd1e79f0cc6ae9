// Games: the top level of the catalogue, unique by name over the whole table.

#include "catalogue/catalogue.h"
#include "catalogue/list_steps.h"
#include "catalogue/messages.h"
#include "catalogue/records.h"

namespace strikepad {

RecordId Catalogue::StoreNewGame(const std::string& name) {
  const RecordId id = insertUnlessTaken(store_, kGameLevel, 0, name);
  if (id != kNameTaken) return id;
  if (warnOnDuplicate) {
    prompts_.notice(kDuplicateName);
    return -1;
  }
  // An import asks whether to go on with the game that has this name.
  return prompts_.ask(messages::kReuseGameQuestion) ? 0 : -1;
}

DeleteOutcome Catalogue::RemoveGame(RecordId gameId) { return deleteGame(store_, gameId); }

int Catalogue::RenameGame(RecordId gameId, const std::string& newName) {
  return renamed(renameUnlessTaken(store_, kGameLevel, gameId, newName), nullptr);
}

void Catalogue::OnAddGame() {
  const std::string name = prompts_.askName(messages::kGameNameCaption, messages::kGameNameInitial);
  if (name.empty()) return;
  appendOrFind(lists_.games, name, StoreNewGame(name));
  FillCharacterList();
}

void Catalogue::OnDeleteGame() {
  PickList& games = lists_.games;
  if (!games.hasSelection()) return;
  if (!prompts_.ask(messages::kDeleteGameQuestion + games.selectedText())) return;
  const int selected = games.selectedIndex();
  switch (RemoveGame(games.selectedId())) {
    case DeleteOutcome::Failed: return;
    // Another program deleted it first: show the catalogue as it is now.
    case DeleteOutcome::NothingThere: return FillGameList();
    case DeleteOutcome::Deleted: break;
  }
  removeAndSelectNeighbour(games, selected);
  FillCharacterList();
}

void Catalogue::OnRenameGame() {
  PickList& games = lists_.games;
  if (!games.hasSelection()) return;
  const std::string name = prompts_.askName(messages::kGameNameCaption, games.selectedText());
  if (name.empty() || RenameGame(games.selectedId(), name) != 1) return;
  FillGameList();
  selectByName(games, name);
  FillCharacterList();
}

}  // namespace strikepad
