// The catalogue at load: 1,000 games, 20,000 characters and 200,000 combos, built once per
// run with plain SQLite. Opening and filling the lists against reading the same rows
// directly; adding a combo against adding one to a small catalogue; importing and exporting
// a game of 10,000 combos against their floors, all on the large catalogue.

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

constexpr int kGames = 1000;
constexpr int kCharactersEach = 20;
constexpr int kCombosEach = 10;
// The game that is exported, and imported under another name.
constexpr int kExchangeCharacters = 200;
constexpr int kExchangeCombos = 50;

namespace fs = std::filesystem;
using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

class LoudPrompts final : public Prompts {
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

Connection connect(const fs::path& path) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) std::abort();
  return Connection(db, sqlite3_close);
}

Statement prepare(sqlite3* db, const char* sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) std::abort();
  return Statement(statement, sqlite3_finalize);
}

void exec(sqlite3* db, const char* sql) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) std::abort();
}

SpkGame exchangeGame(const std::string& name) {
  SpkGame game{name, {}, false};
  for (int c = 0; c < kExchangeCharacters; ++c) {
    SpkCharacter& character = game.characters.emplace_back();
    character.name = "Character " + std::to_string(c);
    for (int m = 0; m < kExchangeCombos; ++m)
      character.combos.push_back({"Combo " + std::to_string(m), std::vector<std::uint8_t>(kBlockSize, static_cast<std::uint8_t>(m))});
  }
  return game;
}

// Inserts the game's rows in one transaction; returns the new game's id.
sqlite3_int64 insertGame(sqlite3* db, const SpkGame& game) {
  exec(db, "begin immediate");
  const Statement insertGame = prepare(db, "insert into game(name) values(?)");
  const Statement insertRole = prepare(db, "insert into role(name, gameid) values(?, ?)");
  const Statement insertMove = prepare(db, "insert into moves(name, roleid, data) values(?, ?, ?)");
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
  exec(db, "commit");
  return gameId;
}

// Removes a game added by a run, so that every run meets the same catalogue.
void removeGame(sqlite3* db, const char* name) {
  exec(db, "begin immediate");
  const Statement game = prepare(db, "select id from game where name=?");
  sqlite3_bind_text(game.get(), 1, name, -1, SQLITE_STATIC);
  while (sqlite3_step(game.get()) == SQLITE_ROW) {
    const Statement moves = prepare(db, "delete from moves where roleid in (select id from role where gameid=?)");
    const Statement roles = prepare(db, "delete from role where gameid=?");
    for (sqlite3_stmt* statement : {moves.get(), roles.get()}) {
      sqlite3_bind_int64(statement, 1, sqlite3_column_int64(game.get(), 0));
      sqlite3_step(statement);
    }
  }
  const Statement games = prepare(db, "delete from game where name=?");
  sqlite3_bind_text(games.get(), 1, name, -1, SQLITE_STATIC);
  sqlite3_step(games.get());
  exec(db, "commit");
}

// A catalogue file in its own temporary folder, removed with it.
class CatalogueFolder {
 public:
  CatalogueFolder() {
    std::string pattern = (fs::temp_directory_path() / "strikepad-load-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
    std::string message;
    if (!createCatalogue(catalogue(), message)) std::abort();
  }
  ~CatalogueFolder() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  CatalogueFolder(const CatalogueFolder&) = delete;
  CatalogueFolder& operator=(const CatalogueFolder&) = delete;
  fs::path catalogue() const { return folder_ / "sp.dat"; }
  fs::path operator/(const char* name) const { return folder_ / name; }

 private:
  fs::path folder_;
};

// The large catalogue, built on first use; its last game is the one exported.
class LargeCatalogue {
 public:
  static const LargeCatalogue& get() {
    static const LargeCatalogue large;
    return large;
  }
  fs::path path() const { return folder_.catalogue(); }
  fs::path file(const char* name) const { return folder_ / name; }
  sqlite3_int64 exchangeGameId() const { return exchangeGameId_; }

 private:
  LargeCatalogue() {
    const Connection db = connect(path());
    exec(db.get(), "begin");
    const Statement game = prepare(db.get(), "insert into game(name) values(?)");
    const Statement role = prepare(db.get(), "insert into role(name, gameid) values(?, ?)");
    const Statement move = prepare(db.get(), "insert into moves(name, roleid, data) values(?, ?, ?)");
    std::vector<unsigned char> block(kBlockSize);
    for (int g = 0; g < kGames; ++g) {
      const std::string gameName = "Game " + std::to_string(g);
      sqlite3_bind_text(game.get(), 1, gameName.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_step(game.get());
      sqlite3_reset(game.get());
      const sqlite3_int64 gameId = sqlite3_last_insert_rowid(db.get());
      for (int c = 0; c < kCharactersEach; ++c) {
        const std::string roleName = "Character " + std::to_string(c);
        sqlite3_bind_text(role.get(), 1, roleName.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(role.get(), 2, gameId);
        sqlite3_step(role.get());
        sqlite3_reset(role.get());
        const sqlite3_int64 roleId = sqlite3_last_insert_rowid(db.get());
        for (int m = 0; m < kCombosEach; ++m) {
          const std::string moveName = "Combo " + std::to_string(m);
          block.assign(kBlockSize, static_cast<unsigned char>(g + c + m));
          sqlite3_bind_text(move.get(), 1, moveName.c_str(), -1, SQLITE_TRANSIENT);
          sqlite3_bind_int64(move.get(), 2, roleId);
          sqlite3_bind_blob(move.get(), 3, block.data(), static_cast<int>(block.size()), SQLITE_TRANSIENT);
          sqlite3_step(move.get());
          sqlite3_reset(move.get());
        }
      }
    }
    exec(db.get(), "commit");
    exchangeGameId_ = insertGame(db.get(), exchangeGame("Exported Game"));
  }

  CatalogueFolder folder_;
  sqlite3_int64 exchangeGameId_ = 0;
};

struct OpenCatalogue {
  explicit OpenCatalogue(const fs::path& path) : store(path), catalogue(store, prompts, {games, characters, combos}) {
    if (!store.ConnectStore()) std::abort();
  }
  LoudPrompts prompts;
  VectorPickList games, characters, combos;
  Store store;
  Catalogue catalogue;
};

// --- opening and filling the lists ---

void BM_OpenAndFillOurs(benchmark::State& state) {
  const LargeCatalogue& large = LargeCatalogue::get();
  for (auto _ : state) {
    OpenCatalogue open(large.path());
    open.catalogue.FillGameList();
    if (open.games.count() != kGames + 1 || open.combos.count() != kCombosEach) state.SkipWithError("wrong lists");
  }
}

void BM_OpenAndFillFloor(benchmark::State& state) {
  const LargeCatalogue& large = LargeCatalogue::get();
  using Entries = std::vector<std::pair<std::string, sqlite3_int64>>;
  auto read = [](sqlite3* db, const char* sql, sqlite3_int64 parent, Entries& entries) {
    entries.clear();
    const Statement query = prepare(db, sql);
    if (parent) sqlite3_bind_int64(query.get(), 1, parent);
    while (sqlite3_step(query.get()) == SQLITE_ROW)
      entries.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(query.get(), 1)),
                           sqlite3_column_int64(query.get(), 0));
  };
  Entries games, characters, combos;
  for (auto _ : state) {
    const Connection db = connect(large.path());
    read(db.get(), "select id, name from game order by id", 0, games);
    read(db.get(), "select id, name from role where gameid=? order by id", games.front().second, characters);
    read(db.get(), "select id, name from moves where roleid=? order by id", characters.front().second, combos);
    benchmark::DoNotOptimize(combos.size());
  }
}

BENCHMARK(BM_OpenAndFillOurs)->Name("load_open_fill/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenAndFillFloor)->Name("load_open_fill/floor")->Unit(benchmark::kMicrosecond);

// --- adding a combo: to the large catalogue against a small one ---

void addCombos(benchmark::State& state, const fs::path& path, RecordId character) {
  OpenCatalogue open(path);
  const ComboBlock block = emptyComboBlock();
  int n = 0;
  for (auto _ : state)
    if (open.catalogue.StoreNewCombo("Added " + std::to_string(n++), character, block.data(), block.size()) < 0)
      state.SkipWithError("not stored");
  // The timed loop is over: the next run meets the catalogue as it was.
  exec(open.store.handle(), "delete from moves where name like 'Added %'");
}

void BM_AddComboLarge(benchmark::State& state) {
  const LargeCatalogue& large = LargeCatalogue::get();
  addCombos(state, large.path(), kGames * kCharactersEach);  // the last character of the last game
}

void BM_AddComboSmall(benchmark::State& state) {
  CatalogueFolder small;
  SpkGame game = exchangeGame("Small Game");
  game.characters.resize(1);
  game.characters[0].combos.resize(kCombosEach);
  insertGame(connect(small.catalogue()).get(), game);
  addCombos(state, small.catalogue(), 1);
}

BENCHMARK(BM_AddComboLarge)->Name("load_add_combo/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddComboSmall)->Name("load_add_combo/floor")->Unit(benchmark::kMicrosecond);

// --- import and export on the large catalogue ---

constexpr const char* kImportedName = "Imported Game";

void BM_ImportOurs(benchmark::State& state) {
  const LargeCatalogue& large = LargeCatalogue::get();
  const fs::path spk = large.file("import.SPK");
  {
    const auto bytes = encodeSpk(exchangeGame(kImportedName));
    std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(spk.c_str(), "wb"), std::fclose);
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) std::abort();
  }
  OpenCatalogue open(large.path());
  for (auto _ : state) {
    if (ImportGameFile(open.catalogue, spk) != ImportOutcome::Imported) std::abort();
    state.PauseTiming();
    removeGame(open.store.handle(), kImportedName);
    state.ResumeTiming();
  }
}

void BM_ImportFloor(benchmark::State& state) {
  const LargeCatalogue& large = LargeCatalogue::get();
  const SpkGame game = exchangeGame(kImportedName);
  const Connection db = connect(large.path());
  for (auto _ : state) {
    insertGame(db.get(), game);
    state.PauseTiming();
    removeGame(db.get(), kImportedName);
    state.ResumeTiming();
  }
}

BENCHMARK(BM_ImportOurs)->Name("load_import/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportFloor)->Name("load_import/floor")->Unit(benchmark::kMillisecond);

void BM_ExportOurs(benchmark::State& state) {
  const LargeCatalogue& large = LargeCatalogue::get();
  OpenCatalogue open(large.path());
  for (auto _ : state)
    if (ExportGameFile(open.catalogue, static_cast<RecordId>(large.exchangeGameId()), large.file("out.SPK")) !=
        ExportOutcome::Exported)
      std::abort();
}

// The same rows read with plain SQLite in one snapshot, the same bytes written with stdio.
void BM_ExportFloor(benchmark::State& state) {
  const LargeCatalogue& large = LargeCatalogue::get();
  const Connection db = connect(large.path());
  const fs::path output = large.file("out.SPK");
  for (auto _ : state) {
    std::vector<std::uint8_t> out;
    exec(db.get(), "begin");
    const Statement game = prepare(db.get(), "select name from game where id=?");
    sqlite3_bind_int64(game.get(), 1, large.exchangeGameId());
    sqlite3_step(game.get());
    appendName(out, reinterpret_cast<const char*>(sqlite3_column_text(game.get(), 0)));
    const Statement roles = prepare(db.get(), "select id, name from role where gameid=? order by id");
    sqlite3_bind_int64(roles.get(), 1, large.exchangeGameId());
    std::vector<std::pair<sqlite3_int64, std::string>> characters;
    while (sqlite3_step(roles.get()) == SQLITE_ROW)
      characters.emplace_back(sqlite3_column_int64(roles.get(), 0),
                              reinterpret_cast<const char*>(sqlite3_column_text(roles.get(), 1)));
    appendCount(out, static_cast<std::int32_t>(characters.size()));
    const Statement count = prepare(db.get(), "select count(*) from moves where roleid=?");
    const Statement moves = prepare(db.get(), "select name, data from moves where roleid=? order by id");
    for (const auto& [id, name] : characters) {
      appendName(out, name);
      sqlite3_bind_int64(count.get(), 1, id);
      sqlite3_step(count.get());
      appendCount(out, sqlite3_column_int(count.get(), 0));
      sqlite3_reset(count.get());
      sqlite3_bind_int64(moves.get(), 1, id);
      while (sqlite3_step(moves.get()) == SQLITE_ROW) {
        const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(moves.get(), 1));
        appendCombo(out, reinterpret_cast<const char*>(sqlite3_column_text(moves.get(), 0)),
                    std::span(data, static_cast<std::size_t>(sqlite3_column_bytes(moves.get(), 1))));
      }
      sqlite3_reset(moves.get());
    }
    exec(db.get(), "commit");
    std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(output.c_str(), "wb"), std::fclose);
    if (!file || std::fwrite(out.data(), 1, out.size(), file.get()) != out.size()) std::abort();
  }
}

BENCHMARK(BM_ExportOurs)->Name("load_export/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportFloor)->Name("load_export/floor")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace strikepad
