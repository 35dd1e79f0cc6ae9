#pragma once
// Commands 112 (export the selected game to an .SPK file) and 111 (import an .SPK file), and
// the same without their file dialogs for the command-line tool and for files dropped on
// the window. The questions asked on the way (the file dialogs, whether to reuse a game) and
// the store error report go through the catalogue's Prompts; what the operation came to is
// returned, with the notices that tell the user of it, for the window and the command line
// to present.

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

#include "flows/pick_list.h"
#include "flows/prompts.h"

namespace strikepad {

class Catalogue;

enum class ExportOutcome {
  Cancelled,
  NoGameSelected,
  TargetIsCatalogue,  // the chosen file is the open catalogue itself
  TargetNotAFile,     // the chosen path is a FIFO, a device, a socket or a folder
  CannotOpen,
  NoGameData,   // the store no longer holds the game
  StoreFailed,  // reading the game failed; the store has reported why
  NamesClash,   // names of one parent would read back as one name; nothing was written
  CannotWrite,
  Exported,
};

enum class ImportOutcome {
  Cancelled,   // no file chosen
  CannotOpen,  // the file cannot be read
  Damaged,     // the file is cut short or holds values outside the format
  NoGame,      // the file is empty or its game name is
  Refused,     // the game exists and the user chose not to reuse it
  Failed,      // the store failed; it has reported why, and nothing was added
  Imported,
};

// What an export or an import came to, and the notices that tell the user of it, in the
// order they are to be shown (none when there is nothing to tell).
template <typename Outcome>
struct ExchangeResult {
  Outcome outcome;
  std::vector<std::string> notices{};
};
using ExportResult = ExchangeResult<ExportOutcome>;
using ImportResult = ExchangeResult<ImportOutcome>;

// Shows the result's notices one after the other: how the window and the command line tell it.
template <typename Outcome>
void presentNotices(Prompts& prompts, const ExchangeResult<Outcome>& result) {
  for (const std::string& text : result.notices) prompts.notice(text);
}

// Asks for a file, then writes the game selected in the game list into it.
ExportResult OnExportGame(Catalogue& catalogue);
// Writes the game `gameId` into `path`. The file appears, or replaces the one there, only
// when it has been written whole and flushed to the disk; a symlink's file is replaced and
// the link kept, and so are the old file's permissions. The open catalogue and anything but
// a regular file are refused untouched. Names cut to fit the file, and combo data that is not
// one combo block, are told in the exported result's notices.
ExportResult exportGameFile(Catalogue& catalogue, RecordId gameId, const std::filesystem::path& path);

struct ExportedGame {
  std::vector<std::uint8_t> bytes;
  // What the file holds otherwise than the catalogue: names cut, combo data not one block.
  std::vector<std::string> notices;
};
// The exchange file of the game `gameId` (to be written as `file`), read in one snapshot that
// lets other programs write meanwhile, or why there is none: NoGameData or NamesClash (each
// with its notice), or StoreFailed.
std::variant<ExportedGame, ExportResult> exportGameBytes(Catalogue& catalogue, RecordId gameId,
                                                         const std::filesystem::path& file);

// Asks for a file, then imports it.
ImportResult OnImportGame(Catalogue& catalogue);
// Imports `path` with every question of the command: for dropped files and the command line.
// The whole file is read and checked before the catalogue changes, and the catalogue takes
// all of it or nothing. Characters merged into one of the same name, and combos left out
// because their name was taken, are told in one notice, the imported result's.
ImportResult importGameFile(Catalogue& catalogue, const std::filesystem::path& path);
// The same for an .SPK file read from `in` (standard input), called `name` in the messages:
// no more is read than the largest file the import takes, and a larger one is refused.
ImportResult importGameStream(Catalogue& catalogue, std::istream& in, const std::string& name);

}  // namespace strikepad
