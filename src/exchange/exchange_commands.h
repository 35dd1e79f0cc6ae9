#pragma once
// Commands 112 (export the selected game to an .SPK file) and 111 (import an .SPK file), and
// the same without their file dialogs for the command-line tool and for files dropped on
// the window. Every message goes through the catalogue's Prompts.

#include <filesystem>

#include "catalogue/pick_list.h"

namespace strikepad {

class Catalogue;

enum class ExportOutcome {
  Cancelled,
  NoGameSelected,
  CannotOpen,
  NoGameData,
  NamesClash,  // names of one parent would read back as one name; nothing was written
  CannotWrite,
  Exported,
};

// Asks for a file, then writes the game selected in the game list into it.
ExportOutcome OnExportGame(Catalogue& catalogue);
// Writes the game `gameId` into `path`. The file appears, or replaces the one there, only
// when it has been written whole. Names cut to fit the file are told in one notice after it.
ExportOutcome ExportGameFile(Catalogue& catalogue, RecordId gameId, const std::filesystem::path& path);

enum class ImportOutcome {
  Cancelled,   // no file chosen
  CannotOpen,  // the file cannot be read
  Damaged,     // the file is cut short or holds values outside the format
  NoGame,      // the file is empty or its game name is
  Refused,     // the game exists and the user chose not to reuse it
  Failed,      // the store failed; it has reported why, and nothing was added
  Imported,
};

// Asks for a file, then imports it.
ImportOutcome OnImportGame(Catalogue& catalogue);
// Imports `path` with every question and message of the command: for dropped files.
// The whole file is read and checked before the catalogue changes, and the catalogue takes
// all of it or nothing. Characters merged into one of the same name, and combos left out
// because their name was taken, are told in one notice at the end.
ImportOutcome ImportGameFile(Catalogue& catalogue, const std::filesystem::path& path);

}  // namespace strikepad
