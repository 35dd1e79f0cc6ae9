// The slot overview against plain SQLite: matching five slots to a catalogue of 200,000 combos
// against one query that finds the same blocks by their whole bytes.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench_support.h"
#include "operations/catalogue_file.h"
#include "operations/slot_overview.h"

namespace strikepad::bench {
namespace {

constexpr int kCharacters = 200;
constexpr int kCombosEach = 1000;

// Combo `number`'s block as the script parser makes one: 1 to 30 steps, each its own, the end
// marker, then zeros.
ComboBlock comboBlock(int number) {
  ComboBlock block{};
  const auto steps = static_cast<std::size_t>(1 + number % 30);
  for (std::size_t step = 0; step < steps; ++step) {
    std::uint8_t* record = block.data() + step * kStepSize;
    record[kFirstButtonByte] = static_cast<std::uint8_t>(step);
    record[kSecondButtonByte] = static_cast<std::uint8_t>(number);
    record[kAxisLx] = static_cast<std::uint8_t>(number >> 8);
    record[kAxisLy] = static_cast<std::uint8_t>(number >> 16);
    record[kAxisRx] = record[kAxisRy] = kAxisAtRest;
    record[kTimeLow] = 100;
  }
  std::fill_n(block.data() + steps * kStepSize, kStepSize, 0xFF);
  return block;
}

// 200 characters of 1,000 combos, each combo's block its own; made once for both sides.
const std::filesystem::path& catalogueOf200k() {
  static const CatalogueFolder folder;
  static const std::filesystem::path path = [] {
    const Connection db = openConnection(folder.catalogue());
    exec(db.get(), "begin");
    RowWriter rows(db.get());
    const sqlite3_int64 game = rows.addGame("Game");
    int number = 0;
    for (int c = 0; c < kCharacters; ++c) {
      const sqlite3_int64 character = rows.addCharacter("Character " + std::to_string(c), game);
      for (int m = 0; m < kCombosEach; ++m, ++number)
        rows.addCombo("Combo " + std::to_string(m), character, comboBlock(number));
    }
    exec(db.get(), "commit");
    return folder.catalogue();
  }();
  return path;
}

// Three stored combos (first, middle, last), one block no combo holds, one empty slot.
SlotBlocks slotBlocks() {
  ComboBlock unknown = comboBlock(7);
  unknown[kTimeLow] = 1;
  return {comboBlock(0), comboBlock(kCharacters * kCombosEach / 2), comboBlock(kCharacters * kCombosEach - 1),
          unknown, emptyComboBlock()};
}

void BM_SlotOverviewOurs(benchmark::State& state) {
  CatalogueFile file(catalogueOf200k());
  if (!file.open().done()) return state.SkipWithError("not opened");
  const SlotBlocks slots = slotBlocks();
  std::size_t matched = 0;
  for (auto _ : state) {
    const SlotOverview overview = matchSlots(file, slots);
    matched = 0;
    for (const SlotContent& slot : overview.contents) matched += slot.matches.size();
    benchmark::DoNotOptimize(matched);
  }
  if (matched != 3) state.SkipWithError("wrong matches");
}

// The same stored blocks found by plain SQLite, comparing whole blocks in one pass.
void BM_SlotOverviewFloor(benchmark::State& state) {
  const Connection db = openConnection(catalogueOf200k());
  const Statement query = prepare(db.get(), "select id from moves where data in (?, ?, ?, ?)");
  const SlotBlocks slots = slotBlocks();
  std::size_t matched = 0;
  for (auto _ : state) {
    for (int slot = 0; slot < 4; ++slot)
      sqlite3_bind_blob(query.get(), slot + 1, slots[static_cast<std::size_t>(slot)].data(), kBlockSize, SQLITE_STATIC);
    matched = 0;
    while (sqlite3_step(query.get()) == SQLITE_ROW) ++matched;
    sqlite3_reset(query.get());
    benchmark::DoNotOptimize(matched);
  }
  if (matched != 3) state.SkipWithError("wrong matches");
}

BENCHMARK(BM_SlotOverviewOurs)->Name("slot_overview_200k/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SlotOverviewFloor)->Name("slot_overview_200k/floor")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace strikepad::bench
