// The slot overview: the five slots read, and each matched to the combos that play as it does.

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "new_catalogue_test.h"
#include "operations/catalogue_operations.h"
#include "operations/slot_overview.h"
#include "operations/slot_overview_texts.h"
#include "simulated_adapter.h"

namespace strikepad {
namespace {

// `steps` steps whose first button byte counts up from `first`, the end marker after them, and
// `tail` in every byte after the marker's record.
ComboBlock blockOf(std::uint8_t first, std::size_t steps, std::uint8_t tail = 0xFF) {
  ComboBlock block;
  block.fill(tail);
  for (std::size_t step = 0; step < steps; ++step) {
    std::uint8_t* record = block.data() + step * kStepSize;
    std::fill_n(record, kStepSize, kAxisAtRest);
    record[kFirstButtonByte] = static_cast<std::uint8_t>(first + step);
  }
  std::fill_n(block.data() + steps * kStepSize, kStepSize, 0xFF);
  return block;
}

class SlotOverviewTest : public NewCatalogueTest {
 protected:
  void SetUp() override {
    NewCatalogueTest::SetUp();
    game_ = addGame(file_, "Street Fighter IV").id;
    ryu_ = addCharacter(file_, game_, "Ryu").id;
  }
  RecordId store(RecordId character, const std::string& name, const ComboBlock& block) {
    const AddResult added = addCombo(file_, character, name, block);
    EXPECT_TRUE(added.done());
    return added.id;
  }
  static SlotBlocks slotsHolding(std::vector<std::pair<int, ComboBlock>> held) {
    SlotBlocks blocks;
    blocks.fill(emptyComboBlock());
    for (const auto& [slot, block] : held) blocks[static_cast<std::size_t>(slot)] = block;
    return blocks;
  }

  RecordId game_ = 0;
  RecordId ryu_ = 0;
};

TEST_F(SlotOverviewTest, ASlotThatPlaysAsAStoredComboNamesItsGameCharacterAndCombo) {
  const RecordId hadouken = store(ryu_, "Hadouken", blockOf(1, 3));
  store(ryu_, "Shoryuken", blockOf(1, 4));
  const SlotOverview overview = matchSlots(file_, slotsHolding({{2, blockOf(1, 3)}}));
  ASSERT_TRUE(overview.done()) << overview.reason;
  const SlotContent& slot = overview.contents[2];
  EXPECT_EQ(slot.holds, SlotHolds::Catalogued);
  ASSERT_EQ(slot.matches.size(), 1U);
  EXPECT_EQ(slot.matches[0].path.combo, hadouken);
  EXPECT_EQ(slot.matches[0].path.character, ryu_);
  EXPECT_EQ(slot.matches[0].path.game, game_);
  EXPECT_EQ(shared_texts::slotContentText(slot), "Street Fighter IV / Ryu / Hadouken");
}

TEST_F(SlotOverviewTest, ASlotWhoseFirstStepIsTheEndMarkerIsEmptyWhateverFollows) {
  store(ryu_, "Blank", blockOf(1, 0, 0x00));
  const SlotOverview overview = matchSlots(file_, slotsHolding({{0, blockOf(1, 0, 0x00)}}));
  ASSERT_TRUE(overview.done());
  for (const SlotContent& slot : overview.contents) {
    EXPECT_EQ(slot.holds, SlotHolds::Empty);
    EXPECT_TRUE(slot.matches.empty());
  }
  EXPECT_EQ(shared_texts::slotContentText(overview.contents[0]), "empty");
}

TEST_F(SlotOverviewTest, ASlotNoStoredComboPlaysAsIsNotInTheCatalogue) {
  store(ryu_, "Hadouken", blockOf(1, 3));
  // One step more, one step less, and one step different: none plays as the stored combo.
  ComboBlock changed = blockOf(1, 3);
  changed[kStepSize + kTimeLow] = 9;
  const SlotOverview overview =
      matchSlots(file_, slotsHolding({{0, blockOf(1, 4)}, {1, blockOf(1, 2)}, {3, changed}}));
  ASSERT_TRUE(overview.done());
  for (const int slot : {0, 1, 3}) {
    EXPECT_EQ(overview.contents[static_cast<std::size_t>(slot)].holds, SlotHolds::Uncatalogued) << slot;
    EXPECT_EQ(shared_texts::slotContentText(overview.contents[static_cast<std::size_t>(slot)]), "not in the catalogue");
  }
}

TEST_F(SlotOverviewTest, TheSameStepsWithOtherBytesAfterTheEndMarkerMatchWithANote) {
  // As the script parser stores it: the marker, then zeros.
  store(ryu_, "Parsed", blockOf(5, 2, 0x00));
  const RecordId ken = addCharacter(file_, game_, "Ken").id;
  store(ken, "Padded", blockOf(5, 2));
  ComboBlock markerTail = blockOf(5, 2);
  markerTail[2 * kStepSize + 6] = 0x12;  // past the marker's four bytes: not played
  const SlotOverview overview = matchSlots(file_, slotsHolding({{1, blockOf(5, 2)}, {4, markerTail}}));
  ASSERT_TRUE(overview.done());
  EXPECT_EQ(shared_texts::slotContentText(overview.contents[1]),
            "Street Fighter IV / Ken / Padded; "
            "Street Fighter IV / Ryu / Parsed (the bytes after the end marker differ)");
  ASSERT_EQ(overview.contents[4].matches.size(), 2U);
  EXPECT_TRUE(overview.contents[4].matches[0].tailDiffers);
  EXPECT_TRUE(overview.contents[4].matches[1].tailDiffers);
}

TEST_F(SlotOverviewTest, ReadingAllSlotsStopsAtTheFirstThatFails) {
  testing::SimulatedAdapter adapter;
  DeviceLink link(adapter, LinkTiming{.pause = [](std::chrono::milliseconds) {}});
  adapter.slot(3) = blockOf(1, 3);
  std::vector<int> progress;
  const SlotsRead read = readAllSlots(link, {}, [&](int done, int total) {
    EXPECT_EQ(total, 40);
    progress.push_back(done);
  });
  ASSERT_TRUE(read.done());
  EXPECT_EQ(read.blocks[3], blockOf(1, 3));
  EXPECT_EQ(progress.back(), 40);
  EXPECT_TRUE(std::ranges::is_sorted(progress));

  // The second read's request for slot 3 (write attempt 5 + 2) and its second chance are refused.
  adapter.refuseWrite(7);
  adapter.refuseWrite(8);
  const SlotsRead stopped = readAllSlots(link, {});
  EXPECT_EQ(stopped.transfer, TransferOutcome::Failed);
  EXPECT_EQ(stopped.outcome, Outcome::Failed);
  EXPECT_EQ(stopped.slotsDone, 2);
  EXPECT_FALSE(stopped.reason.empty());
  EXPECT_EQ(adapter.writeAttempts(), 9) << "no slot after it is asked for";
}

}  // namespace
}  // namespace strikepad
