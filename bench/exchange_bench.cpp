// Exchange files against their floors, for a game of 200 characters with 50 combos each:
// importing the file into an empty catalogue against inserting the same rows with plain
// SQLite calls in one transaction; exporting it against reading the same rows with plain
// SQLite and writing the same bytes with plain file I/O.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "bench_support.h"
#include "exchange/spk_format.h"
#include "operations/exchange_operations.h"

namespace strikepad::bench {
namespace {

SpkGame sampleGame() { return exchangeGame("Benchmark Game"); }

void BM_ImportOurs(benchmark::State& state) {
  TempFolder folder;
  const auto spk = folder / "game.SPK";
  writeBytes(spk, encodeSpk(sampleGame()));
  for (auto _ : state) {
    state.PauseTiming();
    newCatalogue(folder / "sp.dat");
    std::optional<OpenCatalogue> open(std::in_place, folder / "sp.dat");
    state.ResumeTiming();
    if (!importGameFile(open->file, spk, Confirmation::Given).done()) std::abort();
    state.PauseTiming();
    open.reset();
    state.ResumeTiming();
  }
}

void BM_ImportFloor(benchmark::State& state) {
  TempFolder folder;
  const SpkGame game = sampleGame();
  for (auto _ : state) {
    state.PauseTiming();
    newCatalogue(folder / "sp.dat");
    std::optional<Connection> db(openConnection(folder / "sp.dat"));
    state.ResumeTiming();
    insertGame(db->get(), game);
    state.PauseTiming();
    db.reset();
    state.ResumeTiming();
  }
}

// Both export sides read a catalogue that holds the sample game.
class FilledCatalogue {
 public:
  FilledCatalogue() { insertGame(openConnection(folder_.catalogue()).get(), sampleGame()); }
  std::filesystem::path catalogue() const { return folder_.catalogue(); }
  std::filesystem::path output() const { return folder_ / "out.SPK"; }

 private:
  CatalogueFolder folder_;
};

void BM_ExportOurs(benchmark::State& state) {
  FilledCatalogue filled;
  OpenCatalogue open(filled.catalogue());
  for (auto _ : state)
    if (!exportGameFile(open.file, 1, filled.output()).done()) std::abort();
}

void BM_ExportFloor(benchmark::State& state) {
  FilledCatalogue filled;
  const Connection db = openConnection(filled.catalogue());
  for (auto _ : state) exportFloor(db.get(), 1, filled.output());
}

BENCHMARK(BM_ImportOurs)->Name("exchange_import/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportFloor)->Name("exchange_import/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportOurs)->Name("exchange_export/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportFloor)->Name("exchange_export/floor")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace strikepad::bench
