// An edited script laid over the block it was printed from (the editor's tests hold an
// unchanged script and one written on an empty block).

#include "combo/edited_block.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "script_test_support.h"

namespace strikepad {
namespace {

using testing::stepOf;

// Steps 1 and 3 with lx and ry at -128 (the byte 0x00, shown as -127), then a marker and
// bytes after it that the parser would not write.
ComboBlock adapterBlock() {
  ComboBlock block = *parseScript("100 up lx -127\n200 down\n300 ry -127").block;
  block[2] = block[21] = 0x00;
  for (std::size_t at = 28; at < kBlockSize; ++at) block[at] = static_cast<std::uint8_t>(at);
  return block;
}

TEST(EditedBlock, AddedStepsMoveTheTailAndAChangedStepSaysWhatItCouldNotKeep) {
  const ComboBlock was = adapterBlock();
  const EditedBlock edited = editedBlock(was, *parseScript("5\n100 up lx -127\n200 down\n301 ry -127").block);
  EXPECT_EQ(stepOf(edited.block, 1), stepOf(was, 0));
  EXPECT_EQ(stepOf(edited.block, 2), stepOf(was, 1));
  EXPECT_EQ(edited.block[29], 0x01) << "ry of the changed step";
  ASSERT_EQ(edited.notes.size(), 1u);
  EXPECT_EQ(edited.notes[0].message, "step 4: ry -128 can not be written in a script and is stored as -127");
  EXPECT_TRUE(std::equal(was.begin() + 24, was.end() - 8, edited.block.begin() + 32))
      << "the marker and what follows it, as far as it fits";
}

TEST(EditedBlock, RemovedStepsMoveTheTailForwardAndLeaveZeroBytes) {
  const ComboBlock was = adapterBlock();
  const EditedBlock edited = editedBlock(was, *parseScript("100 up lx -127\n300 ry -127").block);
  EXPECT_EQ(stepOf(edited.block, 1), stepOf(was, 2));
  EXPECT_TRUE(edited.notes.empty());
  EXPECT_TRUE(std::equal(was.begin() + 24, was.end(), edited.block.begin() + 16));
  EXPECT_EQ(stepOf(edited.block, kStepCount - 1), testing::Step(kStepSize, 0x00));
}

}  // namespace
}  // namespace strikepad
