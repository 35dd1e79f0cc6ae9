// The catalogue against plain SQLite: adding a combo to a large catalogue against adding one
// to a small one, and filling the three lists against reading the same rows directly.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "bench_support.h"

namespace strikepad::bench {
namespace {

// A catalogue file in a fresh temporary folder: one game, `characters` characters with
// `combosEach` combos each, written with plain SQLite in one transaction.
class CatalogueFile {
 public:
  CatalogueFile(int characters, int combosEach)
      : lastCharacter_(static_cast<RecordId>(fillOneGame(path(), std::vector<int>(static_cast<std::size_t>(characters), combosEach),
                                                         std::vector<std::uint8_t>(kBlockSize, 0x11)))) {}
  std::filesystem::path path() const { return folder_.catalogue(); }
  RecordId lastCharacter() const { return lastCharacter_; }

 private:
  CatalogueFolder folder_;
  RecordId lastCharacter_;
};

// One new combo per iteration under the last character, through StoreNewCombo.
void addCombos(benchmark::State& state, int characters, int combosEach) {
  CatalogueFile file(characters, combosEach);
  OpenCatalogue open(file.path(), Notices::Dropped);
  const ComboBlock block = emptyComboBlock();
  int n = 0;
  for (auto _ : state) {
    const StoreResult added =
        open.catalogue.StoreNewCombo("New " + std::to_string(n++), file.lastCharacter(), block.data(), block.size());
    if (!added.stored()) state.SkipWithError("not stored");
  }
}

// 100,000 combos (100 characters of 1,000) against 10.
void BM_AddComboLarge(benchmark::State& state) { addCombos(state, 100, 1000); }
void BM_AddComboSmall(benchmark::State& state) { addCombos(state, 1, 10); }
BENCHMARK(BM_AddComboLarge)->Name("add_combo_100k/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddComboSmall)->Name("add_combo_100k/floor")->Unit(benchmark::kMicrosecond);

void BM_FillListsOurs(benchmark::State& state) {
  CatalogueFile file(1, 1000);
  OpenCatalogue open(file.path(), Notices::Dropped);
  for (auto _ : state) {
    open.catalogue.FillGameList();
    benchmark::DoNotOptimize(open.combos.count());
  }
  if (open.combos.count() != 1000) state.SkipWithError("wrong combo count");
}

// The same three queries read row by row, keeping each record's name and id: the columns the
// fill reads, so neither side copies the combos' data, in the order the lists show them (the
// order the records were added, which the indexes on parent and name do not give).
void BM_FillListsFloor(benchmark::State& state) {
  CatalogueFile file(1, 1000);
  const Connection db = openConnection(file.path());
  Entries games, characters, combos;
  for (auto _ : state) {
    readEntries(db.get(), "select id, name from game order by id", 0, games);
    readEntries(db.get(), "select id, name from role where gameid=? order by id", games.front().second, characters);
    readEntries(db.get(), "select id, name from moves where roleid=? order by id", characters.front().second, combos);
    benchmark::DoNotOptimize(combos.size());
  }
}
BENCHMARK(BM_FillListsOurs)->Name("fill_lists_1000/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillListsFloor)->Name("fill_lists_1000/floor")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace strikepad::bench
