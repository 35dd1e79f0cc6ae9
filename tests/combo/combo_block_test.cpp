#include "combo/combo_block.h"

#include <gtest/gtest.h>

namespace strikepad {
namespace {

TEST(ComboBlock, EndMarkerLooksAtTheFirstFourBytesOnly) {
  ComboBlock block{};
  EXPECT_EQ(stepCount(block), kStepCount) << "no marker: all 45 steps are used";

  block[8 * 3 + 0] = block[8 * 3 + 1] = block[8 * 3 + 2] = block[8 * 3 + 3] = 0xFF;
  EXPECT_TRUE(isEndMarker(block, 3));
  EXPECT_EQ(stepCount(block), 3u);

  block[8 * 3 + 3] = 0xFE;
  EXPECT_FALSE(isEndMarker(block, 3));
}

TEST(ComboBlock, EmptyBlockAndShortValues) {
  EXPECT_TRUE(isEmptyCombo(emptyComboBlock()));

  ComboBlock markerOnly{};
  markerOnly[0] = markerOnly[1] = markerOnly[2] = markerOnly[3] = 0xFF;
  EXPECT_TRUE(isEmptyCombo(markerOnly)) << "the rest of step 0 is not examined";

  const std::uint8_t oneStep[8] = {0x40, 0x80, 0x80, 0x80, 0x01, 0x80, 0x64, 0x00};
  const ComboBlock padded = blockFromBytes(oneStep, sizeof oneStep);
  EXPECT_EQ(stepCount(padded), 1u);
  EXPECT_EQ(padded[8], 0xFF) << "the rest of a short value is end markers";
  EXPECT_EQ(padded[kBlockSize - 1], 0xFF);
}

}  // namespace
}  // namespace strikepad
