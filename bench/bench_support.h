#pragma once
// What the benchmarks share: the plain-SQLite calls their floors are made of (also used to
// build the catalogues both sides read), temporary catalogue folders, and the catalogue
// opened as the window opens it. A step that fails aborts: a failed run measures nothing.

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "flows/catalogue_flows.h"
#include "exchange/spk_format.h"
#include "operations/catalogue_file.h"
#include "store/store.h"

namespace strikepad::bench {

using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

Connection openConnection(const std::filesystem::path& path);
Statement prepare(sqlite3* db, const char* sql);
void exec(sqlite3* db, const char* sql);

// Name and id of each row a list query returns, as a floor keeps them.
using Entries = std::vector<std::pair<std::string, sqlite3_int64>>;
// Runs `sql`, which selects id then name, with `parent` bound to its one parameter unless 0.
void readEntries(sqlite3* db, const char* sql, sqlite3_int64 parent, Entries& entries);

// Inserts games, characters and combos through statements prepared once; each returns the
// new row's id. The caller holds the transaction, and what it binds lives through the call.
class RowWriter {
 public:
  explicit RowWriter(sqlite3* db);
  sqlite3_int64 addGame(const std::string& name);
  sqlite3_int64 addCharacter(const std::string& name, sqlite3_int64 gameId);
  sqlite3_int64 addCombo(const std::string& name, sqlite3_int64 characterId, std::span<const std::uint8_t> data);

 private:
  sqlite3* db_;
  Statement game_;
  Statement character_;
  Statement combo_;
};

// Fills the catalogue at `path` in one transaction: one game, and for each entry of
// `combosPerCharacter` a character with that many combos holding `block`. Returns the last
// character's id.
sqlite3_int64 fillOneGame(const std::filesystem::path& path, const std::vector<int>& combosPerCharacter,
                          std::span<const std::uint8_t> block);

// 200 characters of 50 combos each, every combo's bytes set to its number.
SpkGame exchangeGame(const std::string& name);
// Inserts the game's rows in one transaction; returns the new game's id.
sqlite3_int64 insertGame(sqlite3* db, const SpkGame& game);

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
// Writes a temporary file beside `path`, flushes it to the disk, renames it over `path` and
// flushes the folder: the least a save that survives a power loss does.
void writeBytesDurably(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
// The export's floor: the game's rows read with plain SQLite in one snapshot, the same .SPK
// bytes written durably to `output` with stdio.
void exportFloor(sqlite3* db, sqlite3_int64 gameId, const std::filesystem::path& output);
// Replaces whatever is at `path` with a catalogue without games.
void newCatalogue(const std::filesystem::path& path);

// A fresh temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const char* name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A catalogue without games, sp.dat in its own temporary folder.
class CatalogueFolder {
 public:
  CatalogueFolder();
  std::filesystem::path catalogue() const { return folder_ / "sp.dat"; }
  std::filesystem::path operator/(const char* name) const { return folder_ / name; }
  const std::filesystem::path& path() const { return folder_.path(); }

 private:
  TempFolder folder_;
};

// Messages go to stderr, notices too unless dropped; every question is answered No.
enum class Notices { Printed, Dropped };
class BenchPrompts final : public Prompts {
 public:
  explicit BenchPrompts(Notices notices) : notices_(notices) {}
  void notice(const std::string& text) override;
  void warning(const std::string& text) override;
  bool ask(const std::string&, const std::string&) override { return false; }
  std::string askName(const std::string&, const std::string&) override { return {}; }
  std::string chooseOpenFile(const FileFilter&) override { return {}; }
  std::string chooseSaveFile(const FileFilter&, const std::string&) override { return {}; }
  bool editScript(ComboBlock&) override { return false; }
  void setTitle(const std::string&) override {}
  void report(const std::string&) override {}

 private:
  Notices notices_;
};

// The catalogue file, lists and catalogue the window would hold, on one file.
struct OpenCatalogue {
  explicit OpenCatalogue(const std::filesystem::path& path, Notices notices = Notices::Printed);
  BenchPrompts prompts;
  VectorPickList games, characters, combos;
  CatalogueFile file;
  Store& store;
  Catalogue catalogue;
};

}  // namespace strikepad::bench
