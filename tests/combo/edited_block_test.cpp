// An edited script laid over the block it was printed from: untouched steps and the bytes
// after the end marker stay, and what the text could not carry is named when it changes.

#include "combo/edited_block.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "combo/script_printer.h"
#include "script_test_support.h"

namespace strikepad {
namespace {

using testing::Step;
using testing::stepOf;

// As an adapter may hand it over: axis bytes 0x00, which the script shows as -127, and a
// marker and bytes after it that the parser would not write.
const Step kUpLxLowest{0x10, 0x00, 0x00, 0x80, 0x80, 0x80, 100, 0};
const Step kDown{0x40, 0x00, 0x80, 0x80, 0x80, 0x80, 200, 0};
const Step kRyLowest{0x00, 0x00, 0x80, 0x80, 0x80, 0x00, 0x2C, 0x01};  // 300 ry -128
constexpr std::size_t kTailStart = 3 * kStepSize;

ComboBlock adapterBlock() {
  ComboBlock block{};
  std::size_t at = 0;
  for (const Step& step : {kUpLxLowest, kDown, kRyLowest})
    for (std::uint8_t byte : step) block[at++] = byte;
  for (std::uint8_t byte : {0xFF, 0xFF, 0xFF, 0xFF, 0x12, 0x34, 0x56, 0x78}) block[at++] = byte;
  for (std::uint8_t n = 1; at < kBlockSize; ++n) block[at++] = n;
  return block;
}

EditedBlock edit(const ComboBlock& original, const std::string& script) {
  return editedBlock(original, *parseScript(script).block);
}

bool sameBytes(const ComboBlock& a, std::size_t aFrom, const ComboBlock& b, std::size_t bFrom, std::size_t count) {
  return std::equal(a.begin() + aFrom, a.begin() + aFrom + count, b.begin() + bFrom);
}

TEST(EditedBlock, AnUnchangedScriptGivesTheBlockBackByteForByte) {
  const ComboBlock original = adapterBlock();
  const EditedBlock edited = edit(original, printScript(original));
  EXPECT_EQ(edited.block, original);
  EXPECT_TRUE(edited.notes.empty());
}

TEST(EditedBlock, AddedStepsMoveTheTailAndAChangedStepSaysWhatItCouldNotKeep) {
  const ComboBlock original = adapterBlock();
  const EditedBlock edited = edit(original, "5\n100 up lx -127\n200 down\n301 ry -127\n");
  EXPECT_EQ(stepOf(edited.block, 0), stepOf(*parseScript("5").block, 0));
  EXPECT_EQ(stepOf(edited.block, 1), kUpLxLowest);
  EXPECT_EQ(stepOf(edited.block, 2), kDown);
  EXPECT_EQ(stepOf(edited.block, 3), (Step{0x00, 0x00, 0x80, 0x80, 0x80, 0x01, 0x2D, 0x01}));
  ASSERT_EQ(edited.notes.size(), 1u);
  EXPECT_EQ(edited.notes[0].message, "step 4: ry -128 can not be written in a script and is stored as -127");
  EXPECT_TRUE(sameBytes(edited.block, kTailStart + kStepSize, original, kTailStart, kBlockSize - kTailStart - kStepSize))
      << "the marker and the bytes after it follow the steps; the last of them no longer fit";
}

TEST(EditedBlock, RemovedStepsMoveTheTailForwardAndLeaveZeroBytes) {
  const ComboBlock original = adapterBlock();
  const EditedBlock edited = edit(original, "100 up lx -127\n300 ry -127\n");
  EXPECT_EQ(stepOf(edited.block, 0), kUpLxLowest);
  EXPECT_EQ(stepOf(edited.block, 1), kRyLowest);
  EXPECT_TRUE(edited.notes.empty()) << "a removed step has nothing left to keep";
  EXPECT_TRUE(sameBytes(edited.block, kTailStart - kStepSize, original, kTailStart, kBlockSize - kTailStart));
  EXPECT_EQ(stepOf(edited.block, kStepCount - 1), Step(kStepSize, 0x00));
}

TEST(EditedBlock, AScriptWrittenOnAnEmptyBlockIsTheParsersBlock) {
  EXPECT_EQ(edit(emptyComboBlock(), "100 up").block, *parseScript("100 up").block);
  EXPECT_EQ(edit(emptyComboBlock(), "").block, emptyComboBlock());
}

}  // namespace
}  // namespace strikepad
