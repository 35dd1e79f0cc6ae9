#pragma once
// The window's Import (command 111) and Export (command 112), and the import of a file dropped on
// the window: the file dialogs, the reuse question when the import asks for it, the lists
// afterwards and the notices, around the exchange operations.

#include <filesystem>

#include "catalogue/catalogue.h"
#include "operations/catalogue_file.h"

namespace strikepad {

// Asks for a file, then writes the game selected in the game list into it.
void OnExportGame(Catalogue& catalogue, CatalogueFile& file);
// Asks for a file, then imports it.
void OnImportGame(Catalogue& catalogue, CatalogueFile& file);
// Imports `path` with every question of the command but the file dialog: a dropped file.
void importGameFlow(Catalogue& catalogue, CatalogueFile& file, const std::filesystem::path& path);

}  // namespace strikepad
