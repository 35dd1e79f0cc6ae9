#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "cli_runner.h"
#include "temp_dir.h"

namespace strikepad::testing {
namespace {

const std::string kUsageExample = "100 down rx -127 square cross";
const std::string kUsageExampleHex = "40c0808001806400" "ffffffffffffffff" + std::string(720 - 32, '0');
const std::string kUsageExamplePrinted = "100 down cross square rx -127\r\n";

TEST(ScriptParseCommand, PrintsTheBlockAsHex) {
  const CliResult fromInput = runCli({"script", "parse"}, kUsageExample);
  EXPECT_EQ(fromInput.exitCode, 0) << fromInput.err;
  EXPECT_EQ(fromInput.out, kUsageExampleHex + "\n");
  EXPECT_EQ(fromInput.err, "");

  const TempDir dir;
  std::ofstream(dir / "combo.txt", std::ios::binary) << kUsageExample << "\r\n";
  const CliResult fromFile = runCli({"script", "parse", (dir / "combo.txt").string()});
  EXPECT_EQ(fromFile.exitCode, 0) << fromFile.err;
  EXPECT_EQ(fromFile.out, kUsageExampleHex + "\n");
}

TEST(ScriptParseCommand, FortySixLinesGiveFortyFiveStepsAndNoMarker) {
  std::string text;
  for (int line = 0; line < 46; ++line) text += "1\r\n";
  std::string expected;
  for (int step = 0; step < 45; ++step) expected += "0000808080800100";
  EXPECT_EQ(runCli({"script", "parse"}, text).out, expected + "\n");
}

TEST(ScriptParseCommand, ValuesStoredOtherThanWrittenAreNamedOnStandardError) {
  const CliResult result = runCli({"script", "parse"}, "100 lx 200\n70000");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "0000488080806400" "0000808080807011" "ffffffffffffffff" + std::string(720 - 48, '0') + "\n");
  EXPECT_EQ(result.err,
            "step 1: lx 200 is outside -127..127 and is stored as -56\n"
            "step 2: time 70000 is outside 0..65535 and is stored as 4464\n");
}

TEST(ScriptParseCommand, ParseErrorIsTheParsersMessage) {
  const CliResult result = runCli({"script", "parse"}, "100  up");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "time error in line 2\n");
}

TEST(ScriptParseCommand, UnreadableFileIsRefused) {
  const TempDir dir;
  const CliResult missing = runCli({"script", "parse", (dir / "missing.txt").string()});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "cannot open " + (dir / "missing.txt").string() + ": No such file or directory\n");

  const CliResult folder = runCli({"script", "parse", dir.path().string()});
  EXPECT_EQ(folder.exitCode, 1);
  EXPECT_EQ(folder.err, "cannot read " + dir.path().string() + ": Is a directory\n");
}

TEST(ScriptPrintCommand, WritesThePrintersTextExactly) {
  const CliResult fromArgument = runCli({"script", "print", kUsageExampleHex});
  EXPECT_EQ(fromArgument.exitCode, 0) << fromArgument.err;
  EXPECT_EQ(fromArgument.out, kUsageExamplePrinted);

  std::string spaced;
  for (std::size_t at = 0; at < kUsageExampleHex.size(); at += 16) spaced += kUsageExampleHex.substr(at, 16) + " \n\t";
  for (char& c : spaced) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const CliResult fromInput = runCli({"script", "print"}, spaced);
  EXPECT_EQ(fromInput.exitCode, 0) << fromInput.err;
  EXPECT_EQ(fromInput.out, kUsageExamplePrinted) << "white space is ignored, either case is a digit";

  const CliResult empty = runCli({"script", "print", std::string(720, 'f')});
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_EQ(empty.out, "") << "an empty block is empty text";
}

TEST(ScriptPrintCommand, BadHexIsBadInput) {
  const CliResult notHex = runCli({"script", "print", "zz" + kUsageExampleHex.substr(2)});
  EXPECT_EQ(notHex.exitCode, 2);
  EXPECT_EQ(notHex.out, "");
  EXPECT_EQ(notHex.err, "bad block: not a hex digit: 'z'\n");

  const CliResult shortBlock = runCli({"script", "print"}, "40c0808001806400\n");
  EXPECT_EQ(shortBlock.exitCode, 2);
  EXPECT_EQ(shortBlock.err, "bad block: a block is 720 hex digits, not 16\n");

  const CliResult longBlock = runCli({"script", "print", kUsageExampleHex + "00"});
  EXPECT_EQ(longBlock.exitCode, 2);
  EXPECT_EQ(longBlock.err, "bad block: a block is 720 hex digits, not 722\n");
}

TEST(ScriptCommand, UnknownOrExtraWordsSayWhatIsWrongThenShowTheUsage) {
  const std::string usage = "usage: strikepad-cli script parse [FILE]\n       strikepad-cli script print [HEX]\n";
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"script"}, "script needs parse or print\n"},
      {{"script", "compile"}, "script takes parse or print, not compile\n"},
      {{"script", "parse", "a", "b"}, "one word too many: b\n"},
  };
  for (const auto& [args, problem] : cases) {
    const CliResult result = runCli(args);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, problem + usage);
  }
}

TEST(ScriptCommand, ParseAndPrintRoundTrip) {
  const CliResult parsed = runCli({"script", "parse"}, "-1 start l1\n\n300 lx\n5 ly 200\r\n");
  ASSERT_EQ(parsed.exitCode, 0) << parsed.err;
  const CliResult printed = runCli({"script", "print"}, parsed.out);
  EXPECT_EQ(printed.out, "65535 l1 start\r\n300 lx 5 ly -56\r\n");
}

}  // namespace
}  // namespace strikepad::testing
