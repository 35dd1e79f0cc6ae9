// What strikepad-cli tells of itself, drawn from the commands' declarations: the usage, each
// command's help, the argument checks, and the lists the shell completion asks for.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli_runner.h"
#include "temp_dir.h"

namespace strikepad::testing {
namespace {

TEST(CommandLine, TheUsageListsEveryCommandWithItsSummary) {
  const std::string usage = runCli({"--help"}).out;
  std::istringstream commands(runCli({"--commands"}).out);
  int count = 0;
  for (std::string command; std::getline(commands, command); ++count)
    EXPECT_NE(usage.find("\n  " + command + " "), std::string::npos) << command;
  EXPECT_GE(count, 15);
}

TEST(CommandLine, ACommandsHelpIsItsOwnAlone) {
  const CliResult help = runCli({"add", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("usage: strikepad-cli add game NAME\n"
                           "       strikepad-cli add character GAME NAME\n"
                           "       strikepad-cli add combo GAME CHARACTER NAME [SCRIPTFILE]\n",
                           0),
            0u)
      << help.out;
  EXPECT_EQ(help.out.find("delete"), std::string::npos) << help.out;
  EXPECT_EQ(runCli({"help", "add"}).out, help.out);
}

TEST(CommandLine, EachArgumentErrorHasALineOfItsOwn) {
  const CliResult result = runCli({"download", "", "Kenji", "Spin", "6"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err, "names may not be empty\nslot must be 1 to 5\n");
}

TEST(CommandLine, TheCompletionLearnsACommandsOptionsAndFormsFromTheProgram) {
  EXPECT_EQ(runCli({"--options", "list"}).out, "--catalogue\n--help\n--version\n--json\n");
  EXPECT_EQ(runCli({"--arguments", "slot"}).out, "read SLOT\nwrite SLOT [HEX]\n");
}

TEST(CommandLine, AddComboOnATerminalSaysWhatItWaitsForAndHowToEndIt) {
  TempDir dir;
  for (const std::vector<std::string>& args : {std::vector<std::string>{"init"}, {"add", "game", "Arena"},
                                               {"add", "character", "Arena", "Kenji"}})
    ASSERT_EQ(runCli(args, {}, dir.path()).exitCode, 0);
  const CliResult added = runCliTyping({"add", "combo", "Arena", "Kenji", "Spin"}, "100 down\n\x04", dir.path());
  EXPECT_EQ(added.exitCode, 0) << added.err;
  EXPECT_NE(added.err.find("Ctrl+D"), std::string::npos) << added.err;
  EXPECT_EQ(runCli({"list"}, {}, dir.path()).out, "game 1 Arena\n  character 1 Kenji\n    combo 1 Spin 360\n");
}

}  // namespace
}  // namespace strikepad::testing
