// strikepad-cli history and undo, run on a catalogue in a temporary folder.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue_harness.h"
#include "cli_runner.h"
#include "scripted_prompts.h"
#include "temp_dir.h"

namespace strikepad::testing {
namespace {

class HistoryCommand : public ::testing::Test {
 protected:
  void run(const std::vector<std::string>& args) {
    const CliResult result = runCli(args, {}, dir_.path());
    ASSERT_EQ(result.exitCode, 0) << result.err;
  }
  void SetUp() override {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"init"}, {"add", "game", "Arena"},
                                                  {"add", "character", "Arena", "Kenji"}, {"add", "character", "Arena", "Mio"}})
      run(args);
  }
  // The history's lines without the time each begins with ("2026-12-07 13:56  ").
  std::vector<std::string> history() {
    const CliResult result = runCli({"history"}, {}, dir_.path());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < result.out.size();) {
      const std::size_t end = result.out.find('\n', start);
      lines.push_back(result.out.substr(start + 18, end - start - 18));
      start = end + 1;
    }
    return lines;
  }

  TempDir dir_;
};

TEST_F(HistoryCommand, ListsTheChangesNewestFirstAndUndoesTheNewest) {
  run({"delete", "character", "Arena", "Mio"});
  run({"delete", "game", "Arena"});
  EXPECT_EQ(history(), (std::vector<std::string>{"the delete of Game: Arena (1 character, 0 combos)",
                                                 "the delete of Character: Mio of Arena (0 combos)"}));

  const CliResult undone = runCli({"undo"}, {}, dir_.path());
  EXPECT_EQ(undone.exitCode, 0) << undone.err;
  EXPECT_EQ(undone.out, "undone: the delete of Game: Arena (1 character, 0 combos)\n");
  run({"undo"});
  const CliResult nothing = runCli({"undo"}, {}, dir_.path());
  EXPECT_EQ(nothing.exitCode, 1);
  EXPECT_EQ(nothing.err, "nothing to undo\n");
}

TEST_F(HistoryCommand, UndoIsRefusedWithTheReasonWhileTheNameIsTakenAgain) {
  run({"delete", "character", "Arena", "Mio"});
  run({"add", "character", "Arena", "MIO"});

  const CliResult refused = runCli({"undo"}, {}, dir_.path());
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err,
            "Can not undo the delete of Character: Mio of Arena (0 combos): a character named \"MIO\" stands there "
            "now.\n");
}

TEST_F(HistoryCommand, HistoryAndUndoShowControlCharactersInNamesEscaped) {
  {
    // As the window stores and deletes a game named in an imported file.
    ScriptedPrompts prompts;
    CatalogueHarness window(dir_ / "sp.dat", prompts);
    ASSERT_TRUE(window.store.ConnectStore());
    const RecordId game = window.catalogue.StoreNewGame("Evil\x1b]0;owned\x07").id;
    ASSERT_EQ(deleteGame(window.file, game).outcome, Outcome::Done);
  }
  const std::string escaped = "the delete of Game: Evil\\x1b]0;owned\\x07 (0 characters, 0 combos)";
  EXPECT_EQ(history().front(), escaped);
  const CliResult undone = runCli({"undo"}, {}, dir_.path());
  EXPECT_EQ(undone.out, "undone: " + escaped + "\n");
}

}  // namespace
}  // namespace strikepad::testing
