#pragma once
// Catalogue files for the fault tests: written with plain SQLite (so the code under test does
// not build its own fixtures), checked with SQLite's own integrity check, and dumped as text
// so that "everything or nothing" is one comparison.

#include <filesystem>
#include <string>
#include <vector>

#include "exchange/spk_format.h"

namespace strikepad::testing {

// A game of `characters` characters with `combosEach` combos each; every block differs.
SpkGame makeGame(const std::string& name, int characters, int combosEach);

// Adds the games to the catalogue at `path` with plain SQLite, in one transaction.
void writeGames(const std::filesystem::path& path, const std::vector<SpkGame>& games);

// "ok" for a sound file, else SQLite's list of what is wrong (or why it could not look).
std::string integrityCheck(const std::filesystem::path& path);

// Every game, character and combo in store order, one a line, with a digest of each combo's
// bytes; then one line counting characters and combos whose parent is gone.
std::vector<std::string> dumpCatalogue(const std::filesystem::path& path);

// dumpCatalogue, then one line counting the changes of the undo history and the records they
// hold ("history 0 0" for a file without one).
std::vector<std::string> dumpWithHistory(const std::filesystem::path& path);

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path);

}  // namespace strikepad::testing
