// strikepad-cli's catalogue commands, run on a catalogue in a temporary folder.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "cli_runner.h"
#include "temp_dir.h"

namespace strikepad::testing {
namespace {

class CatalogueCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"init"}, {"add", "game", "Arena"}, {"add", "character", "Arena", "Kenji"}}) {
      const CliResult result = runCli(args, {}, dir_.path());
      ASSERT_EQ(result.exitCode, 0) << result.err;
    }
  }
  CliResult list() { return runCli({"list"}, {}, dir_.path()); }

  TempDir dir_;
};

TEST_F(CatalogueCommand, AddComboTakesItsScriptFromAFileOrStandardInput) {
  std::ofstream(dir_ / "combo.txt", std::ios::binary) << "100 down\r\n";
  const CliResult fromFile = runCli({"add", "combo", "Arena", "Kenji", "Spin", "combo.txt"}, {}, dir_.path());
  EXPECT_EQ(fromFile.exitCode, 0) << fromFile.err;
  const CliResult fromInput = runCli({"add", "combo", "Arena", "Kenji", "Dash"}, "50 right\r\n", dir_.path());
  EXPECT_EQ(fromInput.exitCode, 0) << fromInput.err;
  EXPECT_EQ(list().out, "game 1 Arena\n  role 1 Kenji\n    moves 1 Spin 360\n    moves 2 Dash 360\n");
}

TEST_F(CatalogueCommand, AScriptFileThatCannotBeReadStoresNothing) {
  const CliResult missing = runCli({"add", "combo", "Arena", "Kenji", "Spin", "missing.txt"}, {}, dir_.path());
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err.substr(0, missing.err.find('\n') + 1), "cannot open missing.txt\n");

  std::filesystem::create_directory(dir_ / "folder");
  const CliResult folder = runCli({"add", "combo", "Arena", "Kenji", "Spin", "folder"}, {}, dir_.path());
  EXPECT_EQ(folder.exitCode, 2);
  EXPECT_EQ(folder.err.substr(0, folder.err.find('\n') + 1), "cannot read folder\n")
      << "never taken for an empty script";

  EXPECT_EQ(list().out, "game 1 Arena\n  role 1 Kenji\n");
}

TEST_F(CatalogueCommand, DeletingAMissingNameExitsOneAndAnUnknownCommandTwo) {
  const CliResult game = runCli({"delete", "game", "Nowhere"}, {}, dir_.path());
  EXPECT_EQ(game.exitCode, 1);
  EXPECT_EQ(game.err, "no game named Nowhere\n");
  const CliResult character = runCli({"delete", "character", "Arena", "Nobody"}, {}, dir_.path());
  EXPECT_EQ(character.exitCode, 1);
  EXPECT_EQ(character.err, "no character named Nobody\n");
  const CliResult unknown = runCli({"erase", "game", "Arena"}, {}, dir_.path());
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_EQ(unknown.err.substr(0, unknown.err.find('\n') + 1), "unknown command: erase\n");
  EXPECT_EQ(list().out, "game 1 Arena\n  role 1 Kenji\n");
}

TEST_F(CatalogueCommand, NamesAreLookedUpWithFullCaseFoldingAndMayChangeOnlyTheirCase) {
  ASSERT_EQ(runCli({"add", "game", "Évolution"}, {}, dir_.path()).exitCode, 0);
  const CliResult added = runCli({"add", "character", "ÉVOLUTION", "Straße"}, {}, dir_.path());
  EXPECT_EQ(added.exitCode, 0) << added.err;
  const CliResult taken = runCli({"add", "character", "évolution", "STRASSE"}, {}, dir_.path());
  EXPECT_EQ(taken.exitCode, 1);
  EXPECT_EQ(taken.err, "This key name is always exist.\n");
  const CliResult exported = runCli({"export", "éVOLUTION", "out.spk"}, {}, dir_.path());
  EXPECT_EQ(exported.exitCode, 0) << exported.err;

  const CliResult renamed = runCli({"rename", "game", "arena", "ARENA"}, {}, dir_.path());
  EXPECT_EQ(renamed.exitCode, 0) << renamed.err;
  EXPECT_EQ(runCli({"rename", "game", "arena", "ARENA"}, {}, dir_.path()).exitCode, 1) << "the same text again";
  EXPECT_EQ(list().out, "game 1 ARENA\n  role 1 Kenji\ngame 2 Évolution\n  role 2 Straße\n");
}

}  // namespace
}  // namespace strikepad::testing
