#include "flows/exchange_flows.h"

#include <string>

#include "flows/status_reports.h"
#include "operations/exchange_operations.h"
#include "operations/exchange_texts.h"
#include "operations/shared_texts.h"

namespace strikepad {

namespace {

const FileFilter kSpkFileFilter{"Strikepad 2.0 files(*.SPK)|*.SPK|All files (*.*)|*.*||", "*.SPK"};

void showAll(Prompts& prompts, const std::vector<std::string>& notices) {
  for (const std::string& text : notices) prompts.notice(text);
}

// A store failure's report; none when the catalogue was never opened (its opening told why).
void showStoreReport(Prompts& prompts, bool storeFailed, const std::string& report) {
  if (storeFailed && !report.empty()) prompts.warning(report);
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

void showExportResult(Prompts& prompts, const ExportResult& result, const std::filesystem::path& path) {
  showStoreReport(prompts, result.problem == ExportProblem::StoreFailed, result.reason);
  showAll(prompts, exportNotices(result, path));
}

std::optional<ExportResult> OnExportGame(Catalogue& catalogue, CatalogueFile& file) {
  const PickList& games = catalogue.lists().games;
  const std::string gameName = games.hasSelection() ? games.selectedText() : std::string();
  const std::string path = catalogue.prompts().chooseSaveFile(kSpkFileFilter, gameName);
  if (path.empty() || !games.hasSelection()) return std::nullopt;
  ExportResult result = exportGameFile(file, games.selectedId(), path);
  showExportResult(catalogue.prompts(), result, path);
  if (result.done())
    catalogue.prompts().report(status_reports::exported(result.gameName, path, result.characters, result.combos));
  return result;
}

std::optional<ImportResult> OnImportGame(Catalogue& catalogue, CatalogueFile& file) {
  const std::string path = catalogue.prompts().chooseOpenFile(kSpkFileFilter);
  if (path.empty()) return std::nullopt;
  return importGameFlow(catalogue, file, path);
}

ImportResult importGameFlow(Catalogue& catalogue, CatalogueFile& file, const std::filesystem::path& path) {
  Prompts& prompts = catalogue.prompts();
  ImportResult result = importGameFile(file, path, Confirmation::NotGiven);
  if (result.outcome == Outcome::NeedsConfirmation) {
    // Asked with no lock held, so other programs can write while the user decides. After a Yes
    // every state of the store can be acted on (a game that vanished meanwhile is created).
    if (!prompts.ask(shared_texts::kReuseGameQuestion)) return result;
    result = importGameFile(file, path, Confirmation::Given);
  }
  showStoreReport(prompts, result.problem == ImportProblem::StoreFailed, result.reason);
  if (result.done()) {
    showImported(catalogue.lists(), result);
    // A file whose content ends at an empty name leaves the lists as the import made them.
    if (!result.endsAtEmptyName) catalogue.FillCharacterList();
  }
  showAll(prompts, importNotices(result, path));
  if (result.done())
    prompts.report(status_reports::imported(result.gameName, path, result.characters.size(), result.combos.size()));
  return result;
}

}  // namespace strikepad
