#pragma once
// The window's Import (command 111) and Export (command 112), and the import of a file dropped on
// the window: the file dialogs, the reuse question when the import asks for it, the lists
// afterwards and the notices, around the exchange operations.

#include <filesystem>
#include <optional>

#include "flows/catalogue_flows.h"
#include "operations/catalogue_file.h"
#include "operations/exchange_operations.h"

namespace strikepad {

// Asks for a file, then writes the game selected in the game list into it. Nothing (and no
// result) when no file was chosen or no game is selected.
std::optional<ExportResult> OnExportGame(Catalogue& catalogue, CatalogueFile& file);
// Asks for a file, then imports it; no result when no file was chosen.
std::optional<ImportResult> OnImportGame(Catalogue& catalogue, CatalogueFile& file);
// Imports `path` with every question of the command but the file dialog: a dropped file.
ImportResult importGameFlow(Catalogue& catalogue, CatalogueFile& file, const std::filesystem::path& path);

// What an export into `path` came to, told as the window tells it: the store error report as a
// warning, then the notices.
void showExportResult(Prompts& prompts, const ExportResult& result, const std::filesystem::path& path);

}  // namespace strikepad
