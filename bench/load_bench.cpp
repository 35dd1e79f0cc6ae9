// The catalogue at load: 1,000 games, 20,000 characters and 200,000 combos, built once per
// run with plain SQLite. Opening and filling the lists against reading the same rows
// directly; adding a combo against adding one to a small catalogue; importing and exporting
// a game of 10,000 combos against their floors, all on the large catalogue. Deleting and
// importing over a game with their undo history against the same as they ran before the
// history.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "exchange/spk_format.h"
#include "operations/catalogue_operations.h"
#include "operations/exchange_operations.h"
#include "store/tables/history_table.h"

namespace strikepad::bench {
namespace {

constexpr int kGames = 1000;
constexpr int kCharactersEach = 20;
constexpr int kCombosEach = 10;

namespace fs = std::filesystem;

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
    const Connection db = openConnection(path());
    exec(db.get(), "begin");
    RowWriter rows(db.get());
    std::vector<std::uint8_t> block(kBlockSize);
    for (int g = 0; g < kGames; ++g) {
      const sqlite3_int64 gameId = rows.addGame("Game " + std::to_string(g));
      for (int c = 0; c < kCharactersEach; ++c) {
        const sqlite3_int64 characterId = rows.addCharacter("Character " + std::to_string(c), gameId);
        for (int m = 0; m < kCombosEach; ++m) {
          block.assign(kBlockSize, static_cast<std::uint8_t>(g + c + m));
          rows.addCombo("Combo " + std::to_string(m), characterId, block);
        }
      }
    }
    exec(db.get(), "commit");
    exchangeGameId_ = insertGame(db.get(), exchangeGame("Exported Game"));
  }

  CatalogueFolder folder_;
  sqlite3_int64 exchangeGameId_ = 0;
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
  Entries games, characters, combos;
  for (auto _ : state) {
    const Connection db = openConnection(large.path());
    readEntries(db.get(), "select id, name from game order by id", 0, games);
    readEntries(db.get(), "select id, name from role where gameid=? order by id", games.front().second, characters);
    readEntries(db.get(), "select id, name from moves where roleid=? order by id", characters.front().second, combos);
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
    if (!open.catalogue.StoreNewCombo("Added " + std::to_string(n++), character, block.data(), block.size()).stored())
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
  insertGame(openConnection(small.catalogue()).get(), game);
  addCombos(state, small.catalogue(), 1);
}

BENCHMARK(BM_AddComboLarge)->Name("load_add_combo/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddComboSmall)->Name("load_add_combo/floor")->Unit(benchmark::kMicrosecond);

// --- import and export on the large catalogue ---

constexpr const char* kImportedName = "Imported Game";

void BM_ImportOurs(benchmark::State& state) {
  const LargeCatalogue& large = LargeCatalogue::get();
  const fs::path spk = large.file("import.SPK");
  writeBytes(spk, encodeSpk(exchangeGame(kImportedName)));
  OpenCatalogue open(large.path());
  for (auto _ : state) {
    if (!importGameFile(open.file, spk, Confirmation::Given).done()) std::abort();
    state.PauseTiming();
    removeGame(open.store.handle(), kImportedName);
    state.ResumeTiming();
  }
}

void BM_ImportFloor(benchmark::State& state) {
  const LargeCatalogue& large = LargeCatalogue::get();
  const SpkGame game = exchangeGame(kImportedName);
  const Connection db = openConnection(large.path());
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
    if (!exportGameFile(open.file, static_cast<RecordId>(large.exchangeGameId()), large.file("out.SPK")).done())
      std::abort();
}

void BM_ExportFloor(benchmark::State& state) {
  const LargeCatalogue& large = LargeCatalogue::get();
  const Connection db = openConnection(large.path());
  for (auto _ : state) exportFloor(db.get(), large.exchangeGameId(), large.file("out.SPK"));
}

BENCHMARK(BM_ExportOurs)->Name("load_export/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportFloor)->Name("load_export/floor")->Unit(benchmark::kMillisecond);

// --- what the undo history costs: each operation with it against the same without it (the floor) ---

// The run's changes leave the history, so every run meets the catalogue as it was.
void clearHistory(Store& store) {
  if (hasHistoryTables(store)) exec(store.handle(), "delete from history_record; delete from history");
}

// The floors run the catalogue as it ran before it kept a history: nothing recorded, and the
// engine's own way with deleted rows (zeroed, free pages written out), which the catalogue gave
// up when its history began to keep them anyway.
void runAs(OpenCatalogue& open, History history) {
  open.catalogue.setHistory(history);
  if (history == History::NotRecorded) exec(open.store.handle(), "pragma secure_delete=on");
}

// A game the size of the large catalogue's: 20 characters of 10 combos.
SpkGame typicalGame() {
  SpkGame game = exchangeGame("Deleted Game");
  game.characters.resize(kCharactersEach);
  for (SpkCharacter& character : game.characters) character.combos.resize(kCombosEach);
  return game;
}

void deleteGames(benchmark::State& state, History history) {
  OpenCatalogue open(LargeCatalogue::get().path());
  runAs(open, history);
  const SpkGame game = typicalGame();
  for (auto _ : state) {
    state.PauseTiming();
    const auto gameId = static_cast<RecordId>(insertGame(open.store.handle(), game));
    state.ResumeTiming();
    if (!deleteGame(open.file, gameId, history).done()) std::abort();
  }
  clearHistory(open.store);
}

void deleteCombos(benchmark::State& state, History history) {
  OpenCatalogue open(LargeCatalogue::get().path());
  runAs(open, history);
  const ComboBlock block = emptyComboBlock();
  const RecordId character = kGames * kCharactersEach;
  for (auto _ : state) {
    state.PauseTiming();
    const RecordId combo = open.catalogue.StoreNewCombo("Deleted", character, block.data(), block.size()).id;
    state.ResumeTiming();
    if (!deleteCombo(open.file, combo, history).done()) std::abort();
  }
  clearHistory(open.store);
}

// Yes replaces the 10,000 blocks of the large catalogue's last game: with other bytes, then
// with its own again, turn about, so that every block an import replaces is a changed one.
void importOverGame(benchmark::State& state, History history) {
  const LargeCatalogue& large = LargeCatalogue::get();
  SpkGame changed = exchangeGame("Exported Game");
  for (SpkCharacter& character : changed.characters)
    for (SpkCombo& combo : character.combos) ++combo.data[0];
  const fs::path files[] = {large.file("changed.SPK"), large.file("own.SPK")};
  writeBytes(files[0], encodeSpk(changed));
  writeBytes(files[1], encodeSpk(exchangeGame("Exported Game")));
  OpenCatalogue open(large.path());
  runAs(open, history);
  std::size_t imports = 0;
  for (auto _ : state)
    if (!importGameFile(open.file, files[imports++ % 2], Confirmation::Given, history).done()) std::abort();
  // The game as it was for the benchmarks that follow.
  if (imports % 2 == 1 && !importGameFile(open.file, files[1], Confirmation::Given, history).done()) std::abort();
  clearHistory(open.store);
}

void BM_DeleteGameOurs(benchmark::State& state) { deleteGames(state, History::Recorded); }
void BM_DeleteGameWithoutHistory(benchmark::State& state) { deleteGames(state, History::NotRecorded); }
void BM_DeleteComboOurs(benchmark::State& state) { deleteCombos(state, History::Recorded); }
void BM_DeleteComboWithoutHistory(benchmark::State& state) { deleteCombos(state, History::NotRecorded); }
void BM_ImportOverGameOurs(benchmark::State& state) { importOverGame(state, History::Recorded); }
void BM_ImportOverGameWithoutHistory(benchmark::State& state) { importOverGame(state, History::NotRecorded); }

BENCHMARK(BM_DeleteGameOurs)->Name("history_delete_game/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteGameWithoutHistory)->Name("history_delete_game/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteComboOurs)->Name("history_delete_combo/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteComboWithoutHistory)->Name("history_delete_combo/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportOverGameOurs)->Name("history_import_over_game/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportOverGameWithoutHistory)
    ->Name("history_import_over_game/floor")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace strikepad::bench
