// Exchange files against their floors, for a game of 200 characters with 50 combos each:
// importing the file into an empty catalogue against inserting the same rows with plain
// SQLite calls in one transaction; exporting it against reading the same rows with plain
// SQLite and writing the same bytes with plain file I/O.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "exchange/exchange_commands.h"
#include "exchange/spk_format.h"
#include "store/schema.h"
#include "store/store.h"

namespace strikepad {
namespace {

constexpr int kCharacters = 200;
constexpr int kCombosEach = 50;

class QuietPrompts final : public Prompts {
 public:
  void notice(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  void warning(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  bool ask(const std::string&, const std::string&) override { return false; }
  std::string askName(const std::string&, const std::string&) override { return {}; }
  std::string chooseOpenFile(const FileFilter&) override { return {}; }
  std::string chooseSaveFile(const FileFilter&) override { return {}; }
  void editScript(ComboBlock&) override {}
  void setTitle(const std::string&) override {}
};

using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

Connection openConnection(const std::filesystem::path& path) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) std::abort();
  return Connection(db, sqlite3_close);
}

Statement prepare(sqlite3* db, const char* sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) std::abort();
  return Statement(statement, sqlite3_finalize);
}

SpkGame sampleGame() {
  SpkGame game{"Benchmark Game", {}, false};
  for (int c = 0; c < kCharacters; ++c) {
    SpkCharacter& character = game.characters.emplace_back();
    character.name = "Character " + std::to_string(c);
    for (int m = 0; m < kCombosEach; ++m)
      character.combos.push_back({"Combo " + std::to_string(m), std::vector<std::uint8_t>(kBlockSize, static_cast<std::uint8_t>(m))});
  }
  return game;
}

// A fresh temporary folder, removed with everything in it.
class Folder {
 public:
  Folder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "strikepad-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~Folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  std::filesystem::path operator/(const char* name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) std::abort();
}

// The store, lists and catalogue the window would hold, on one file.
struct OpenCatalogue {
  explicit OpenCatalogue(const std::filesystem::path& path)
      : store(path), catalogue(store, prompts, {games, characters, combos}) {
    if (!store.ConnectStore()) std::abort();
  }
  QuietPrompts prompts;
  VectorPickList games, characters, combos;
  Store store;
  Catalogue catalogue;
};

void newCatalogue(const std::filesystem::path& path) {
  std::filesystem::remove(path);
  std::string message;
  if (!createCatalogue(path, message)) std::abort();
}

void insertRows(sqlite3* db, const SpkGame& game) {
  sqlite3_exec(db, "begin immediate", nullptr, nullptr, nullptr);
  auto insertGame = prepare(db, "insert into game(name) values(?)");
  auto insertRole = prepare(db, "insert into role(name, gameid) values(?, ?)");
  auto insertMove = prepare(db, "insert into moves(name, roleid, data) values(?, ?, ?)");
  sqlite3_bind_text(insertGame.get(), 1, game.name.c_str(), -1, SQLITE_STATIC);
  sqlite3_step(insertGame.get());
  const sqlite3_int64 gameId = sqlite3_last_insert_rowid(db);
  for (const SpkCharacter& character : game.characters) {
    sqlite3_bind_text(insertRole.get(), 1, character.name.c_str(), -1, SQLITE_STATIC);
    sqlite3_bind_int64(insertRole.get(), 2, gameId);
    sqlite3_step(insertRole.get());
    sqlite3_reset(insertRole.get());
    const sqlite3_int64 roleId = sqlite3_last_insert_rowid(db);
    for (const SpkCombo& combo : character.combos) {
      sqlite3_bind_text(insertMove.get(), 1, combo.name.c_str(), -1, SQLITE_STATIC);
      sqlite3_bind_int64(insertMove.get(), 2, roleId);
      sqlite3_bind_blob(insertMove.get(), 3, combo.data.data(), static_cast<int>(combo.data.size()), SQLITE_STATIC);
      sqlite3_step(insertMove.get());
      sqlite3_reset(insertMove.get());
    }
  }
  sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
}

void BM_ImportOurs(benchmark::State& state) {
  Folder folder;
  const auto spk = folder / "game.SPK";
  writeBytes(spk, encodeSpk(sampleGame()));
  for (auto _ : state) {
    state.PauseTiming();
    newCatalogue(folder / "sp.dat");
    std::optional<OpenCatalogue> open(std::in_place, folder / "sp.dat");
    state.ResumeTiming();
    if (ImportGameFile(open->catalogue, spk) != ImportOutcome::Imported) std::abort();
    state.PauseTiming();
    open.reset();
    state.ResumeTiming();
  }
}

void BM_ImportFloor(benchmark::State& state) {
  Folder folder;
  const SpkGame game = sampleGame();
  for (auto _ : state) {
    state.PauseTiming();
    newCatalogue(folder / "sp.dat");
    std::optional<Connection> db(openConnection(folder / "sp.dat"));
    state.ResumeTiming();
    insertRows(db->get(), game);
    state.PauseTiming();
    db.reset();
    state.ResumeTiming();
  }
}

// Both export sides read a catalogue that holds the sample game.
class FilledCatalogue {
 public:
  FilledCatalogue() {
    newCatalogue(folder_ / "sp.dat");
    insertRows(openConnection(folder_ / "sp.dat").get(), sampleGame());
  }
  std::filesystem::path catalogue() const { return folder_ / "sp.dat"; }
  std::filesystem::path output() const { return folder_ / "out.SPK"; }

 private:
  Folder folder_;
};

void BM_ExportOurs(benchmark::State& state) {
  FilledCatalogue filled;
  OpenCatalogue open(filled.catalogue());
  for (auto _ : state)
    if (ExportGameFile(open.catalogue, 1, filled.output()) != ExportOutcome::Exported) std::abort();
}

void BM_ExportFloor(benchmark::State& state) {
  FilledCatalogue filled;
  const Connection db = openConnection(filled.catalogue());
  for (auto _ : state) {
    std::vector<std::uint8_t> out;
    sqlite3_exec(db.get(), "begin", nullptr, nullptr, nullptr);
    auto game = prepare(db.get(), "select name from game where id=1");
    sqlite3_step(game.get());
    appendName(out, reinterpret_cast<const char*>(sqlite3_column_text(game.get(), 0)));
    auto roles = prepare(db.get(), "select id, name from role where gameid=1 order by id");
    std::vector<std::pair<sqlite3_int64, std::string>> characters;
    while (sqlite3_step(roles.get()) == SQLITE_ROW)
      characters.emplace_back(sqlite3_column_int64(roles.get(), 0),
                              reinterpret_cast<const char*>(sqlite3_column_text(roles.get(), 1)));
    appendCount(out, static_cast<std::int32_t>(characters.size()));
    auto moves = prepare(db.get(), "select name, data from moves where roleid=? order by id");
    for (const auto& [id, name] : characters) {
      appendName(out, name);
      const std::size_t countAt = out.size();
      appendCount(out, 0);
      std::int32_t count = 0;
      sqlite3_bind_int64(moves.get(), 1, id);
      while (sqlite3_step(moves.get()) == SQLITE_ROW) {
        const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(moves.get(), 1));
        appendCombo(out, reinterpret_cast<const char*>(sqlite3_column_text(moves.get(), 0)),
                    std::span(data, static_cast<std::size_t>(sqlite3_column_bytes(moves.get(), 1))));
        ++count;
      }
      sqlite3_reset(moves.get());
      std::vector<std::uint8_t> countBytes;
      appendCount(countBytes, count);
      std::copy(countBytes.begin(), countBytes.end(), out.begin() + static_cast<std::ptrdiff_t>(countAt));
    }
    sqlite3_exec(db.get(), "commit", nullptr, nullptr, nullptr);
    writeBytes(filled.output(), out);
  }
}

BENCHMARK(BM_ImportOurs)->Name("exchange_import/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportFloor)->Name("exchange_import/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportOurs)->Name("exchange_export/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportFloor)->Name("exchange_export/floor")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace strikepad
