#pragma once
// A game to and from an .SPK exchange file, on record ids and paths. Nothing is shown or asked:
// an import onto a game of the same name needs the user's agreement, given as an argument, and
// what each came to is returned with everything its messages need.

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "history/change_history.h"
#include "operations/block_replacement.h"
#include "store/tables/record_id.h"
#include "operations/catalogue_file.h"
#include "operations/import_report.h"
#include "operations/outcome.h"

namespace strikepad {

// Why an export wrote nothing; each kind has its own message.
enum class ExportProblem {
  None,
  TargetIsCatalogue,  // the chosen file is the open catalogue itself
  TargetNotAFile,     // the chosen path is a FIFO, a device, a socket or a folder
  CannotOpen,         // `reason`: the file's whole path and the system's words
  NoGameData,         // the store no longer holds the game
  StoreFailed,        // reading the game failed; `reason` is the store error report
  NamesClash,         // names of one parent would read back as one name
  CannotWrite,        // `reason`: the file's whole path and the system's words
};

// Done, or Failed/NotFound/Refused with the problem. `notices` tells what the file holds
// otherwise than the catalogue (names cut, combo data not one block) after an export, and the
// names that clash after a NamesClash; `bytes` is the file for exportGameBytes.
struct ExportResult : Result {
  ExportProblem problem = ExportProblem::None;
  std::vector<std::string> notices;
  std::vector<std::uint8_t> bytes;
  // What the file holds.
  std::string gameName;
  std::size_t characters = 0;
  std::size_t combos = 0;
};

// Writes the game `gameId` into `path`. The file appears, or replaces the one there, only when
// it has been written whole and flushed to the disk; a symlink's file is replaced and the link
// kept, and so are the old file's permissions. The open catalogue and anything but a regular
// file are refused untouched.
ExportResult exportGameFile(CatalogueFile& file, RecordId gameId, const std::filesystem::path& path);
// The exchange file of the game `gameId` (named `name` in the notices), read in one snapshot
// that lets other programs write meanwhile: for `export GAME -`.
ExportResult exportGameBytes(CatalogueFile& file, RecordId gameId, const std::filesystem::path& name);

// Why an import added nothing.
enum class ImportProblem {
  None,
  CannotOpen,  // the file cannot be read (`reason` when the system said why)
  NotAFile,    // a FIFO, a device, a socket or a folder
  TooLarge,    // larger than the largest file the import takes
  Damaged,     // cut short or holding values outside the format
  NoGame,      // the file is empty or its game name is
  GameExists,  // NeedsConfirmation: the catalogue holds a game of the file's name
  StoreFailed, // `reason` is the store error report; nothing was added
};

struct ImportEntry {
  std::string name;
  RecordId id = 0;
};

// Done: the game `gameId` holds the file's records (`newGame` set when it was made, `reusedGame`
// when the agreement was used), with what the lists gain and what could not be stored as the
// file has it. NeedsConfirmation (GameExists): nothing changed; ask, then call again with Given.
struct ImportResult : Result {
  ImportProblem problem = ImportProblem::None;
  RecordId gameId = 0;
  bool newGame = false;
  bool reusedGame = false;
  std::string gameName;
  std::vector<ImportEntry> characters;  // added, in file order
  std::vector<ImportEntry> combos;      // added, in file order
  ImportReport report;
  // The file's content ends at an empty name: the lists stay as the import made them.
  bool endsAtEmptyName = false;
};

// Imports `path`: the whole file is read and checked before the catalogue changes, and the
// catalogue takes all of it or nothing, in one transaction that never waits on the user. A game
// of the file's name is gone on with (its combos of the same names replaced, as one change of
// the history) only with `reuseGame` Given.
ImportResult importGameFile(CatalogueFile& file, const std::filesystem::path& path, Confirmation reuseGame,
                            History history = History::Recorded);
// The same for an .SPK file read from `in` (standard input): no more is read than the largest
// file the import takes, and a larger one is refused.
ImportResult importGameStream(CatalogueFile& file, std::istream& in, Confirmation reuseGame,
                              History history = History::Recorded);

}  // namespace strikepad
