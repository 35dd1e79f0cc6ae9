#include "combo/script_parser.h"

#include <gtest/gtest.h>

#include <string>

#include "combo/script_keywords.h"
#include "script_test_support.h"

namespace strikepad {
namespace {

using testing::parsedShape;
using testing::Step;
using testing::stepOf;

const Step kUsageExampleStep{0x40, 0xC0, 0x80, 0x80, 0x01, 0x80, 0x64, 0x00};

ComboBlock parsed(std::string_view text) {
  const ParseResult result = parseScript(text);
  EXPECT_TRUE(result.ok()) << "parse of \"" << text << "\" failed: " << result.message;
  return result.block.value_or(ComboBlock{});
}

std::string failure(std::string_view text) {
  const ParseResult result = parseScript(text);
  EXPECT_FALSE(result.ok()) << "\"" << text << "\" parsed";
  return result.message;
}

Step plainStep(std::uint16_t time) {
  return {0x00, 0x00, 0x80, 0x80, 0x80, 0x80, static_cast<std::uint8_t>(time & 0xFF),
          static_cast<std::uint8_t>(time >> 8)};
}

TEST(ScriptParser, BlankTextGivesAnEmptyBlock) {
  EXPECT_EQ(parsed(""), parsedShape({}));
  EXPECT_EQ(parsed("  \r\n \n\n\r  \r"), parsedShape({}));
}

TEST(ScriptParser, UsageExampleWithOrWithoutLineEnd) {
  EXPECT_EQ(parsed("100 down rx -127 square cross"), parsedShape({kUsageExampleStep}));
  EXPECT_EQ(parsed("100 down rx -127 square cross\r\n"), parsedShape({kUsageExampleStep}));
}

TEST(ScriptParser, EveryKeyWordSetsItsBitOrByte) {
  EXPECT_EQ(parsed("1 up right down left l3 r3 select start"),
            parsedShape({{0xFF, 0x00, 0x80, 0x80, 0x80, 0x80, 1, 0}}));
  EXPECT_EQ(parsed("1 l2 r2 l1 r1 triangular circle cross square"),
            parsedShape({{0x00, 0xFF, 0x80, 0x80, 0x80, 0x80, 1, 0}}));
  EXPECT_EQ(parsed("1 lx 1 ly -1 rx 127 ry -127"), parsedShape({{0x00, 0x00, 0x81, 0x7F, 0xFF, 0x01, 1, 0}}));
}

TEST(ScriptParser, TimeAndAxisValuesKeepTheirLowBits) {
  EXPECT_EQ(parsed("100"), parsedShape({plainStep(100)}));
  EXPECT_EQ(parsed("-1"), parsedShape({plainStep(65535)}));
  EXPECT_EQ(parsed("70000"), parsedShape({plainStep(70000 & 0xFFFF)}));
  EXPECT_EQ(stepOf(parsed("1 lx 200 ly -128 rx 0"), 0), (Step{0, 0, 0x48, 0x00, 0x80, 0x80, 1, 0}));
  EXPECT_EQ(stepOf(parsed("1 lx 5 up lx -5"), 0), (Step{0x10, 0, 0x7B, 0x80, 0x80, 0x80, 1, 0}))
      << "a later value of the same axis replaces the earlier one";
}

TEST(ScriptParser, NumbersIgnoreWhatFollowsTheirDigits) {
  EXPECT_EQ(parsed("100, up"), parsedShape({{0x10, 0, 0x80, 0x80, 0x80, 0x80, 100, 0}}));
  EXPECT_EQ(parsed("\t+100x lx \v-5;"), parsedShape({{0, 0, 0x7B, 0x80, 0x80, 0x80, 100, 0}}));
}

TEST(ScriptParser, KeyWordsMatchExactly) {
  EXPECT_EQ(failure("100 UP"), "error keyword in line 1");
  EXPECT_EQ(failure("100 up,"), "error keyword in line 1");
  EXPECT_EQ(failure("100 upp"), "error keyword in line 1");
  EXPECT_EQ(parsed("100 \tup\t"), parsed("100 up")) << "tab, vertical tab and form feed around a key word";
}

TEST(ScriptParser, TimeAndAxisErrorsNameTheirStep) {
  EXPECT_EQ(failure("abc"), "time error in line 1");
  EXPECT_EQ(failure("-"), "time error in line 1");
  EXPECT_EQ(failure("100 lx"), "error on lx in line 1");
  EXPECT_EQ(failure("100 lx abc"), "error on lx in line 1");
  EXPECT_EQ(failure("100 ly  5"), "error on ly in line 1") << "an empty field is not a number";
  EXPECT_EQ(failure("100 rx +"), "error on rx in line 1");
  EXPECT_EQ(failure("100 up\n5 ry x"), "error on ry in line 2");
}

TEST(ScriptParser, LineNumbersCountSteps) {
  EXPECT_EQ(failure("100  up"), "time error in line 2") << "an empty field ends the step";
  EXPECT_EQ(failure("100 up\r\n\r\n\n200 nope"), "error keyword in line 2") << "empty lines do not count";
  EXPECT_EQ(parsed("100 up\n\n200"), parsedShape({{0x10, 0, 0x80, 0x80, 0x80, 0x80, 100, 0}, plainStep(200)}));
  EXPECT_EQ(parsed(" 100 up \n 200"), parsed("100 up\n200")) << "empty fields before a time are skipped";
}

TEST(ScriptParser, AxisValueMayBeOnTheNextLine) {
  EXPECT_EQ(parsed("100 lx\n50 up"), parsedShape({{0x10, 0, 0xB2, 0x80, 0x80, 0x80, 100, 0}}));
}

std::vector<std::string> warnings(const ParseResult& result) {
  std::vector<std::string> messages;
  for (const ScriptWarning& warning : result.warnings) messages.push_back(warning.message);
  return messages;
}

TEST(ScriptParser, ValuesStoredOtherThanWrittenAreNamedWithTheirStep) {
  const ParseResult result = parseScript("1 lx 127 ly -127 rx 0\n65535\n0 up\n100 lx 200\n70000 ry -128 rx 128\n-1");
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(stepOf(*result.block, 3), (Step{0, 0, 0x48, 0x80, 0x80, 0x80, 100, 0})) << "stored as before";
  EXPECT_EQ(warnings(result), (std::vector<std::string>{
                                  "step 4: lx 200 is outside -127..127 and is stored as -56",
                                  "step 5: time 70000 is outside 0..65535 and is stored as 4464",
                                  "step 5: rx 128 is outside -127..127 and is stored as -128 (shown as -127)",
                                  "step 5: ry -128 is outside -127..127 and is stored as -128 (shown as -127)",
                                  "step 6: time -1 is outside 0..65535 and is stored as 65535",
                              }));
  EXPECT_EQ(result.warnings[0].line, 4);
  EXPECT_TRUE(parseScript("1 lx 300 lx 5").warnings.empty()) << "only the value an axis keeps is stored";
  EXPECT_TRUE(parseScript("1 lx 300\n2 x").warnings.empty()) << "a script with an error stores nothing";
}

TEST(ScriptParser, TextAfterANumberIsNamedAndIgnored) {
  for (const char* script : {"100,down", "100down"}) {
    const ParseResult result = parseScript(script);
    EXPECT_EQ(result.block, parseScript("100").block) << script;
    EXPECT_EQ(warnings(result), std::vector<std::string>{"step 1: '" + std::string(script + 3) + "' after the time is ignored"});
  }
  EXPECT_EQ(warnings(parseScript("1 lx 5;")), std::vector<std::string>{"step 1: ';' after the lx value is ignored"});
  EXPECT_TRUE(parseScript("1\t lx 5\v").warnings.empty()) << "blanks after the digits say nothing";
}

TEST(ScriptParser, AStepThatReadsAsTheEndMarkerIsNamedAndKept) {
  const char* allHeld = "1 left right up down triangular circle cross square l1 l2 l3 r1 r2 r3 select start lx 127 ly 127";
  const ParseResult result = parseScript(std::string("5\n") + allHeld + "\n7");
  EXPECT_EQ(stepOf(*result.block, 1), (Step{0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0x80, 1, 0}));
  EXPECT_EQ(stepOf(*result.block, 2), plainStep(7));
  EXPECT_EQ(warnings(result), std::vector<std::string>{"step 2 holds all 16 buttons with lx and ly at 127, which "
                                                       "reads as the end marker: the combo ends before it"});
}

TEST(ScriptKeywords, TheNearestKeyWordIsOnlyNamedWhenItIsAFewSlipsAway) {
  EXPECT_EQ(nearestKeyword("UP"), "up");
  EXPECT_EQ(nearestKeyword("traingular"), "triangular");
  EXPECT_EQ(nearestKeyword("jmp"), std::nullopt);
}

TEST(ScriptParser, NothingCarriesOverFromThePreviousStep) {
  EXPECT_EQ(stepOf(parsed("100 up lx 5\n50"), 1), plainStep(50));
}

TEST(ScriptParser, FortyFiveStepsAtMost) {
  std::string text;
  for (int line = 1; line <= 46; ++line) text += std::to_string(line) + " up\r\n";
  const ComboBlock block = parsed(text);
  EXPECT_EQ(stepCount(block), kStepCount);
  EXPECT_EQ(stepOf(block, 44), (Step{0x10, 0, 0x80, 0x80, 0x80, 0x80, 45, 0})) << "no end marker";
  EXPECT_TRUE(parseScript(text + "not a step\n").ok()) << "text after the 45th step is ignored";
}

TEST(ScriptParser, NulByteEndsTheText) {
  using namespace std::string_literals;
  EXPECT_EQ(parsed("100 up\0garbage"s), parsed("100 up"));
  EXPECT_EQ(failure("100 lx\0 5"s), "error on lx in line 1");
}

TEST(ScriptParser, NumbersBeyondThirtyTwoBitsAreNotNumbers) {
  EXPECT_EQ(parsed("2147483647"), parsedShape({plainStep(0xFFFF)}));
  EXPECT_EQ(parsed("-2147483648"), parsedShape({plainStep(0)}));
  EXPECT_EQ(failure("2147483648"), "time error in line 1");
  EXPECT_EQ(failure("-2147483649"), "time error in line 1");
  EXPECT_EQ(failure("1 up\n" + std::string(400, '9')), "time error in line 2");
  EXPECT_EQ(failure("1 lx 4294967296"), "error on lx in line 1");
}

TEST(ScriptParser, LongFieldsAreReadWhole) {
  EXPECT_EQ(parsed("100" + std::string(1000, ',') + " up"), parsed("100 up"));
  EXPECT_EQ(failure("100 " + std::string(1000, 'u')), "error keyword in line 1");
  EXPECT_EQ(failure("1 lx " + std::string(300, '0') + "12x" + " ly"), "error on ly in line 1")
      << "leading zeros do not overflow";
}

TEST(ScriptScan, StepsAndTheirPlaceInTheText) {
  // Step 2 starts after "100 up\r\n\r\n" (10 bytes) and ends after " cross" (at 28).
  const ScriptScan scan = scanScript("100 up\r\n\r\n50 down lx\n5 cross");
  ASSERT_TRUE(scan.block);
  EXPECT_FALSE(scan.error);
  ASSERT_EQ(scan.steps.size(), 2u);
  EXPECT_EQ(scan.steps[0].line, 1);
  EXPECT_EQ(scan.steps[0].begin, 0u);
  EXPECT_EQ(scan.steps[0].end, 6u);
  EXPECT_EQ(scan.steps[1].line, 2);
  EXPECT_EQ(scan.steps[1].begin, 10u);
  EXPECT_EQ(scan.steps[1].end, 28u) << "the step runs on to its axis value and beyond";
}

TEST(ScriptScan, FailingStepReachesTheFieldThatFailed) {
  const ScriptScan split = scanScript("100  up");
  EXPECT_FALSE(split.block);
  ASSERT_TRUE(split.error);
  EXPECT_EQ(split.error->message, "time error in line 2");
  EXPECT_EQ(split.error->step.line, 2);
  EXPECT_EQ(split.error->step.begin, 5u);
  EXPECT_EQ(split.error->step.end, 7u);
  ASSERT_EQ(split.steps.size(), 1u);
  EXPECT_EQ(split.steps[0].end, 3u);

  const ScriptScan keyword = scanScript("1\n 200 up bad lx 3");
  ASSERT_TRUE(keyword.error);
  EXPECT_EQ(keyword.error->step.begin, 3u);
  EXPECT_EQ(keyword.error->step.end, 13u);

  const ScriptScan unfinished = scanScript("100 lx");
  ASSERT_TRUE(unfinished.error);
  EXPECT_EQ(unfinished.error->step.begin, 0u);
  EXPECT_EQ(unfinished.error->step.end, 6u) << "a missing value fails at the end of the text";
}

}  // namespace
}  // namespace strikepad
