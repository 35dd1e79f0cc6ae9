// Games: the top level of the catalogue, unique by name over the whole table.

#include "flows/catalogue_flows.h"
#include "flows/list_steps.h"
#include "flows/window_texts.h"
#include "operations/catalogue_operations.h"

namespace strikepad {

void Catalogue::OnAddGame() {
  const std::string name = prompts_.askName(messages::kGameNameCaption, messages::kGameNameInitial);
  if (name.empty()) return;
  const AddResult added = addGame(file_, name);
  told(added, nullptr);
  appendOrFind(lists_.games, name, added.done() ? std::optional(added.id) : std::nullopt);
  FillCharacterList();
}

void Catalogue::OnDeleteGame() {
  PickList& games = lists_.games;
  if (!games.hasSelection()) return;
  if (!prompts_.ask(messages::kDeleteGameQuestion + games.selectedText())) return;
  const int selected = games.selectedIndex();
  const Result deleted = deleteGame(file_, games.selectedId(), history_);
  // Another program deleted it first: show the catalogue as it is now.
  if (deleted.outcome == Outcome::NotFound) return FillGameList();
  if (!told(deleted, nullptr)) return;
  removeAndSelectNeighbour(games, selected);
  FillCharacterList();
}

void Catalogue::OnRenameGame() {
  PickList& games = lists_.games;
  if (!games.hasSelection()) return;
  const std::string name = prompts_.askName(messages::kGameNameCaption, games.selectedText());
  if (name.empty()) return;
  if (!told(renameGame(file_, games.selectedId(), name), nullptr)) return;
  FillGameList();
  selectByName(games, name);
  FillCharacterList();
}

}  // namespace strikepad
