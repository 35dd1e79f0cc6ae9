#include "flows/exchange_flows.h"

#include <string>

#include "operations/exchange_operations.h"
#include "operations/exchange_texts.h"
#include "operations/shared_texts.h"

namespace strikepad {

namespace {

const FileFilter kSpkFileFilter{"Strikepad 2.0 files(*.SPK)|*.SPK|All files (*.*)|*.*||", "*.SPK"};

void showAll(Prompts& prompts, const std::vector<std::string>& notices) {
  for (const std::string& text : notices) prompts.notice(text);
}

// The import's new records in the lists: the new game appended and the imported game
// selected; the lists below still show what they showed, and the names are appended to them.
void showImported(CatalogueLists& lists, const ImportResult& result) {
  if (result.newGame) lists.games.append(result.gameName, result.gameId);
  PickList& games = lists.games;
  int index = 0;
  while (index < games.count() && games.id(index) != result.gameId) ++index;
  games.select(index < games.count() ? index : -1);
  for (const ImportEntry& entry : result.characters) lists.characters.append(entry.name, entry.id);
  for (const ImportEntry& entry : result.combos) lists.combos.append(entry.name, entry.id);
}

}  // namespace

void OnExportGame(Catalogue& catalogue, CatalogueFile& file) {
  const PickList& games = catalogue.lists().games;
  const std::string gameName = games.hasSelection() ? games.selectedText() : std::string();
  const std::string path = catalogue.prompts().chooseSaveFile(kSpkFileFilter, gameName);
  if (path.empty() || !games.hasSelection()) return;
  const ExportResult result = exportGameFile(file, games.selectedId(), path);
  if (result.problem == ExportProblem::StoreFailed) catalogue.prompts().warning(result.reason);
  showAll(catalogue.prompts(), exportNotices(result, path));
}

void OnImportGame(Catalogue& catalogue, CatalogueFile& file) {
  const std::string path = catalogue.prompts().chooseOpenFile(kSpkFileFilter);
  if (path.empty()) return;
  importGameFlow(catalogue, file, path);
}

void importGameFlow(Catalogue& catalogue, CatalogueFile& file, const std::filesystem::path& path) {
  Prompts& prompts = catalogue.prompts();
  ImportResult result = importGameFile(file, path, Confirmation::NotGiven);
  if (result.outcome == Outcome::NeedsConfirmation) {
    // Asked with no lock held, so other programs can write while the user decides. After a Yes
    // every state of the store can be acted on (a game that vanished meanwhile is created).
    if (!prompts.ask(shared_texts::kReuseGameQuestion)) return;
    result = importGameFile(file, path, Confirmation::Given);
  }
  if (result.problem == ImportProblem::StoreFailed) prompts.warning(result.reason);
  if (result.done()) {
    showImported(catalogue.lists(), result);
    // A file whose content ends at an empty name leaves the lists as the import made them.
    if (!result.endsAtEmptyName) catalogue.FillCharacterList();
  }
  showAll(prompts, importNotices(result, path));
}

}  // namespace strikepad
