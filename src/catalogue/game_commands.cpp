// Games: the top level of the catalogue, unique by name over the whole table.

#include "catalogue/catalogue.h"
#include "catalogue/list_steps.h"
#include "catalogue/messages.h"
#include "catalogue/records.h"

namespace strikepad {

StoreResult Catalogue::StoreNewGame(const std::string& name) {
  return insertResult(insertUnlessTaken(store_, kGameLevel, 0, name));
}

DeleteOutcome Catalogue::RemoveGame(RecordId gameId) { return deleteGame(store_, gameId, history_); }

StoreResult Catalogue::RenameGame(RecordId gameId, const std::string& newName) {
  return renameResult(renameUnlessTaken(store_, kGameLevel, gameId, newName), gameId);
}

void Catalogue::OnAddGame() {
  const std::string name = prompts_.askName(messages::kGameNameCaption, messages::kGameNameInitial);
  if (name.empty()) return;
  const StoreResult added = StoreNewGame(name);
  presentRefusal(prompts_, added, nullptr);
  appendOrFind(lists_.games, name, added);
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
  if (name.empty()) return;
  const StoreResult renamed = RenameGame(games.selectedId(), name);
  presentRefusal(prompts_, renamed, nullptr);
  if (!renamed.stored()) return;
  FillGameList();
  selectByName(games, name);
  FillCharacterList();
}

}  // namespace strikepad
