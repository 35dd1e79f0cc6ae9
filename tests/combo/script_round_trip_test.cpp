// Properties over many generated blocks and texts, with fixed seeds so a failure repeats.

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>

#include "combo/script_parser.h"
#include "combo/script_printer.h"
#include "script_test_support.h"

namespace strikepad {
namespace {

using testing::parsedShape;
using testing::Step;
using namespace std::string_view_literals;

// A step the text can carry: no axis byte 0x00 (printed as -127) and not FF FF FF FF in front.
Step printableStep(std::mt19937& random) {
  std::uniform_int_distribution<int> byte(0, 255);
  Step step(kStepSize);
  for (std::uint8_t& value : step) value = static_cast<std::uint8_t>(byte(random));
  for (std::size_t axis = kAxisLx; axis <= kAxisRy; ++axis)
    if (step[axis] == 0x00) step[axis] = kAxisAtRest;
  if (step[0] == 0xFF && step[1] == 0xFF && step[2] == 0xFF && step[3] == 0xFF) step[3] = 0xFE;
  return step;
}

TEST(ScriptRoundTrip, PrintedBlocksParseBackByteForByte) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::size_t> count(0, kStepCount);
  for (int round = 0; round < 1500; ++round) {
    std::vector<Step> steps(count(random));
    for (Step& step : steps) step = printableStep(random);
    const ComboBlock block = parsedShape(steps);
    const std::string text = printScript(block);
    const ParseResult back = parseScript(text);
    ASSERT_TRUE(back.ok()) << back.message << "\n" << text;
    ASSERT_EQ(*back.block, block) << text;
  }
}

// Texts that exercise the scanner: scripts cut, spliced and sprinkled with hostile bytes.
class ScriptMutator {
 public:
  explicit ScriptMutator(unsigned seed) : random_(seed) {}

  std::string mutate(std::string text) {
    const int edits = pick(1, 8);
    for (int edit = 0; edit < edits; ++edit) {
      const std::size_t at = text.empty() ? 0 : static_cast<std::size_t>(pick(0, static_cast<int>(text.size())));
      switch (pick(0, 5)) {
        case 0: text.insert(at, 1, piece()); break;
        case 1: text.insert(at, std::string(static_cast<std::size_t>(pick(200, 3000)), piece())); break;
        case 2: if (at < text.size()) text.erase(at, static_cast<std::size_t>(pick(1, 20))); break;
        case 3: if (at < text.size()) text[at] = static_cast<char>(pick(0, 255)); break;
        case 4: text.insert(at, std::string(static_cast<std::size_t>(pick(10, 60)), '9')); break;
        default: text.insert(at, randomBytes()); break;
      }
    }
    return text;
  }

 private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  char piece() {
    // The sv literal keeps the NUL and what follows it; a plain const char* would end there.
    static constexpr std::string_view kPieces = " \r\n\t\v\f0123456789-+,lxyrud\0\xff"sv;
    return kPieces[static_cast<std::size_t>(pick(0, static_cast<int>(kPieces.size()) - 1))];
  }
  std::string randomBytes() {
    std::string bytes(static_cast<std::size_t>(pick(1, 400)), '\0');
    for (char& c : bytes) c = static_cast<char>(pick(0, 255));
    return bytes;
  }

  std::mt19937 random_;
};

void expectSoundScan(const std::string& text) {
  static const std::regex kMessage("(time error|error keyword|error on (lx|ly|rx|ry)) in line ([0-9]+)");
  const ScriptScan scan = scanScript(text);
  ASSERT_NE(scan.block.has_value(), scan.error.has_value());
  std::size_t previousEnd = 0;
  for (std::size_t i = 0; i < scan.steps.size(); ++i) {
    const ScriptStep& step = scan.steps[i];
    EXPECT_EQ(step.line, static_cast<int>(i) + 1);
    EXPECT_LE(previousEnd, step.begin);
    EXPECT_LT(step.begin, step.end);
    previousEnd = step.end;
  }
  EXPECT_LE(previousEnd, text.size());
  if (scan.error) {
    std::smatch match;
    ASSERT_TRUE(std::regex_match(scan.error->message, match, kMessage)) << scan.error->message;
    EXPECT_EQ(std::stoi(match[3]), scan.error->step.line);
    EXPECT_EQ(scan.error->step.line, static_cast<int>(scan.steps.size()) + 1);
    EXPECT_LE(previousEnd, scan.error->step.begin);
    EXPECT_LE(scan.error->step.end, text.size());
    return;
  }
  const std::size_t steps = stepCount(*scan.block);
  EXPECT_EQ(steps, scan.steps.size());
  for (std::size_t at = (steps + 1) * kStepSize; at < kBlockSize; ++at) ASSERT_EQ((*scan.block)[at], 0) << at;

  // One print and parse brings any block to the shape the text can carry; from there it is stable.
  const ParseResult once = parseScript(printScript(*scan.block));
  ASSERT_TRUE(once.ok()) << once.message;
  const ParseResult twice = parseScript(printScript(*once.block));
  ASSERT_TRUE(twice.ok()) << twice.message;
  EXPECT_EQ(*twice.block, *once.block);
}

TEST(ScriptRobustness, MutatedScriptsNeverBreakTheParser) {
  const std::string seedTexts[] = {
      "100 down rx -127 square cross\r\n50 up lx 12 ly -3\r\n",
      "1 lx\n2 up\n\n3 l1 l2 r1 r2 select start ry 127\n",
      "100  up\n-1 left right\t\n",
  };
  for (unsigned seed = 1; seed <= 400; ++seed) {
    ScriptMutator mutator(seed);
    for (const std::string& base : seedTexts) {
      const std::string text = mutator.mutate(base);
      SCOPED_TRACE("seed " + std::to_string(seed));
      expectSoundScan(text);
    }
  }
}

TEST(ScriptRobustness, RandomBytesNeverBreakTheParser) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> length(0, 5000);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 300; ++round) {
    std::string text(static_cast<std::size_t>(length(random)), '\0');
    for (char& c : text) c = static_cast<char>(byte(random));
    SCOPED_TRACE("round " + std::to_string(round));
    expectSoundScan(text);
  }
}

}  // namespace
}  // namespace strikepad
