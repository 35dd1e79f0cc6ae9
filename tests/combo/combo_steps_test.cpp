// The timeline's step edits: what each does to the steps, the limits they keep, and the
// parser's form of the block they make.

#include "combo/combo_steps.h"

#include <gtest/gtest.h>

#include <string>

#include "combo/script_parser.h"
#include "combo/script_printer.h"

namespace strikepad {
namespace {

ComboSteps stepsOf(const char* script) { return ComboSteps(*parseScript(script).block); }

std::string printed(const ComboSteps& steps) { return printScript(steps.block()); }

constexpr std::size_t kUp = 2;  // kButtonKeywords: left, right, up, ...
constexpr std::size_t kStart = 15;
constexpr std::size_t kLy = 1;  // kAxisKeywords: lx, ly, ...

TEST(ComboSteps, EditsGiveTheBlockTheParserMakesOfTheirScript) {
  ComboSteps steps = stepsOf("100 up\r\n200 down lx 50\r\n");
  steps.toggle(0, kUp);
  steps.toggle(1, kUp);
  steps.setAxisValue(1, kLy, -300);
  steps.changeHoldTime({0, 2}, -150);
  ASSERT_TRUE(steps.insertEmpty(2));
  EXPECT_EQ(printed(steps), "0\r\n50 up down lx 50 ly -127\r\n100\r\n");
  EXPECT_EQ(steps.block(), *parseScript(printed(steps)).block);

  steps.setHoldTime({0, 3}, 70000);
  steps.clear({1, 1});
  steps.remove({0, 1});
  EXPECT_EQ(printed(steps), "65535\r\n65535\r\n");
  EXPECT_EQ(steps.block(), *parseScript(printed(steps)).block);
}

TEST(ComboSteps, RangesDuplicateAfterThemselvesAndMoveWithinTheSteps) {
  ComboSteps steps = stepsOf("1\n2\n3\n4\n");
  ASSERT_TRUE(steps.duplicate({1, 2}));
  EXPECT_EQ(printed(steps), "1\r\n2\r\n3\r\n2\r\n3\r\n4\r\n");
  ASSERT_TRUE(steps.move({0, 2}, 1));
  EXPECT_EQ(printed(steps), "3\r\n1\r\n2\r\n2\r\n3\r\n4\r\n");
  ASSERT_TRUE(steps.move({2, 1}, -2));
  EXPECT_EQ(printed(steps), "2\r\n3\r\n1\r\n2\r\n3\r\n4\r\n");
  EXPECT_FALSE(steps.move({0, 1}, -1));
  EXPECT_FALSE(steps.move({4, 2}, 1));
  EXPECT_EQ(printed(steps), "2\r\n3\r\n1\r\n2\r\n3\r\n4\r\n");
  ASSERT_TRUE(steps.move({2, 2}, 2)) << "onto the last place";
  EXPECT_EQ(printed(steps), "2\r\n3\r\n3\r\n4\r\n1\r\n2\r\n");
}

TEST(ComboSteps, NoValueMakesAStepReadAsTheEndMarker) {
  ComboSteps steps = stepsOf("1 left right up down triangular circle cross square l1 l2 l3 r1 r2 r3 select start lx 127");
  EXPECT_FALSE(steps.setAxisValue(0, kLy, 127));
  EXPECT_EQ(steps.axisValue(0, kLy), 0);
}

TEST(ComboSteps, NothingPassesFortyFiveSteps) {
  std::string script;
  for (int k = 0; k < 44; ++k) script += "10\n";
  ComboSteps steps = stepsOf(script.c_str());
  EXPECT_FALSE(steps.duplicate({0, 2}));
  ASSERT_TRUE(steps.insertEmpty(0));
  EXPECT_FALSE(steps.hasRoomFor(1));
  EXPECT_FALSE(steps.insertEmpty(0));
  EXPECT_FALSE(steps.duplicate({0, 1}));
  EXPECT_EQ(steps.count(), kStepCount);
  EXPECT_EQ(steps.holdTime(0), kNewStepTime);
  EXPECT_EQ(ComboSteps(steps.block()).count(), kStepCount);
}

}  // namespace
}  // namespace strikepad
