#include "combo/script_printer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "script_test_support.h"

namespace strikepad {
namespace {

using testing::parsedShape;

TEST(ScriptPrinter, EmptyBlockIsEmptyText) {
  EXPECT_EQ(printScript(parsedShape({})), "");
  EXPECT_EQ(printScript(emptyComboBlock()), "");
}

TEST(ScriptPrinter, KeyWordsComeInTheirFixedOrder) {
  EXPECT_EQ(printScript(parsedShape({{0x40, 0xC0, 0x80, 0x80, 0x01, 0x80, 0x64, 0x00}})),
            "100 down cross square rx -127\r\n");
  EXPECT_EQ(printScript(parsedShape({{0xFF, 0xFF, 0x81, 0x7F, 0xFF, 0x01, 5, 0}})),
            "5 left right up down triangular circle cross square l1 l2 l3 r1 r2 r3 select start"
            " lx 1 ly -1 rx 127 ry -127\r\n");
}

TEST(ScriptPrinter, TimeIsUnsignedAndAxisByteZeroShowsAsMinus127) {
  EXPECT_EQ(printScript(parsedShape({{0, 0, 0x80, 0x80, 0x80, 0x80, 0xFF, 0xFF}})), "65535\r\n");
  EXPECT_EQ(printScript(parsedShape({{0, 0, 0x00, 0x80, 0x80, 0x80, 0x2C, 0x01}})), "300 lx -127\r\n");
}

TEST(ScriptPrinter, StopsAtTheEndMarkerOrAfterFortyFiveSteps) {
  ComboBlock block = parsedShape({{0, 0, 0x80, 0x80, 0x80, 0x80, 1, 0}, {0, 0, 0x80, 0x80, 0x80, 0x80, 2, 0}});
  block[8] = block[9] = block[10] = block[11] = 0xFF;  // only the first four bytes make the marker
  EXPECT_EQ(printScript(block), "1\r\n");

  ComboBlock full{};
  std::string expected;
  for (std::size_t step = 0; step < kStepCount; ++step) {
    std::fill_n(full.begin() + step * kStepSize + kAxisLx, 4, kAxisAtRest);
    full[step * kStepSize + kTimeLow] = static_cast<std::uint8_t>(step);
    expected += std::to_string(step) + "\r\n";
  }
  EXPECT_EQ(printScript(full), expected) << "45 steps, no marker";
}

}  // namespace
}  // namespace strikepad
