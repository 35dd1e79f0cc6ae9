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

TEST_F(CatalogueCommand, AddComboNamesValuesStoredOtherThanWrittenAndStoresThem) {
  const CliResult result = runCli({"add", "combo", "Arena", "Kenji", "Spin"}, "100 ry -300\r\n", dir_.path());
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "step 1: ry -300 is outside -127..127 and is stored as -44\n");
  EXPECT_EQ(list().out, "game 1 Arena\n  role 1 Kenji\n    moves 1 Spin 360\n");
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

}  // namespace
}  // namespace strikepad::testing
