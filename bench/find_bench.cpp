// Find against plain SQLite: the names holding a text among 100,000 combos (and their games
// and characters), by the one name rule, against a plain instr query on the same rows.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "bench_support.h"
#include "operations/find_operations.h"

namespace strikepad::bench {
namespace {

constexpr int kGames = 10;
constexpr int kCharactersEach = 10;
constexpr int kCombosEach = 1000;

// 100,000 combos in 10 games of 10 characters; one combo name in ten is not ASCII, as names
// typed in other languages are.
class FindCatalogue {
 public:
  FindCatalogue() {
    const Connection db = openConnection(folder_.catalogue());
    exec(db.get(), "begin");
    RowWriter rows(db.get());
    const std::vector<std::uint8_t> block(kBlockSize, 0x11);
    int combo = 0;
    for (int g = 0; g < kGames; ++g) {
      const sqlite3_int64 game = rows.addGame("Game " + std::to_string(g));
      for (int c = 0; c < kCharactersEach; ++c) {
        const sqlite3_int64 character = rows.addCharacter("Character " + std::to_string(c), game);
        for (int m = 0; m < kCombosEach; ++m, ++combo)
          rows.addCombo((combo % 10 == 0 ? "Straße " : "Combo ") + std::to_string(combo), character, block);
      }
    }
    exec(db.get(), "commit");
  }
  std::filesystem::path path() const { return folder_.catalogue(); }

 private:
  CatalogueFolder folder_;
};

// Ten combos hold it: "Combo 4242", "Combo 14242", ... "Combo 94242"... and "Combo 42420"..
constexpr const char* kText = "bo 4242";

void BM_FindOurs(benchmark::State& state) {
  FindCatalogue catalogue;
  CatalogueFile file(catalogue.path());
  if (!file.open().done()) return state.SkipWithError("not opened");
  std::size_t found = 0;
  for (auto _ : state) {
    const FindResult result = findRecords(file, kText);
    found = result.matches.size();
    benchmark::DoNotOptimize(found);
  }
  if (found == 0) state.SkipWithError("nothing found");
}

// Each table's names searched with instr, letter case as stored, keeping the id, name and
// parent of each match: no folding, no parents' names, no order.
void BM_FindFloor(benchmark::State& state) {
  FindCatalogue catalogue;
  const Connection db = openConnection(catalogue.path());
  const Statement games = prepare(db.get(), "select id, name, 0 from game where instr(name, ?1)");
  const Statement characters = prepare(db.get(), "select id, name, gameid from role where instr(name, ?1)");
  const Statement combos = prepare(db.get(), "select id, name, roleid from moves where instr(name, ?1)");
  struct Match {
    sqlite3_int64 id;
    std::string name;
    sqlite3_int64 parent;
  };
  std::vector<Match> found;
  for (auto _ : state) {
    found.clear();
    for (sqlite3_stmt* query : {games.get(), characters.get(), combos.get()}) {
      sqlite3_bind_text(query, 1, kText, -1, SQLITE_STATIC);
      while (sqlite3_step(query) == SQLITE_ROW)
        found.push_back({sqlite3_column_int64(query, 0), reinterpret_cast<const char*>(sqlite3_column_text(query, 1)),
                         sqlite3_column_int64(query, 2)});
      sqlite3_reset(query);
    }
    benchmark::DoNotOptimize(found.size());
  }
  if (found.empty()) state.SkipWithError("nothing found");
}

BENCHMARK(BM_FindOurs)->Name("find_100k/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindFloor)->Name("find_100k/floor")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace strikepad::bench
