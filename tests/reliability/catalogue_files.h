#pragma once
// Catalogue files for the fault tests: written with plain SQLite (so the code under test does
// not build its own fixtures), checked with SQLite's own integrity check, and dumped as text
// so that "everything or nothing" is one comparison.

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/prompts.h"
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

// Records what the commands show and answers every question with `answer`; for code that runs
// where a test's expectations cannot (a forked child) or where no prompt matters.
class RecordingPrompts final : public Prompts {
 public:
  explicit RecordingPrompts(bool answer = false) : answer_(answer) {}
  void notice(const std::string& text) override { shown.push_back(text); }
  void warning(const std::string& text) override { shown.push_back(text); }
  bool ask(const std::string& text, const std::string&) override {
    shown.push_back(text);
    return answer_;
  }
  std::string askName(const std::string&, const std::string&) override { return name; }
  std::string chooseOpenFile(const FileFilter&) override { return {}; }
  std::string chooseSaveFile(const FileFilter&) override { return {}; }
  void editScript(ComboBlock&) override {}
  void setTitle(const std::string&) override {}

  std::vector<std::string> shown;
  std::string name;  // what the name dialog returns

 private:
  bool answer_;
};

}  // namespace strikepad::testing
