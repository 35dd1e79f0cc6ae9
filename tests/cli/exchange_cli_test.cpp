// strikepad-cli's export and import: what their exit statuses say when names are cut,
// refused or merged.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cli_runner.h"
#include "temp_dir.h"

namespace strikepad::testing {
namespace {

class ExchangeCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"init"}, {"add", "game", "Arena"}, {"add", "character", "Arena", "Kenji"}}) {
      const CliResult result = run(args);
      ASSERT_EQ(result.exitCode, 0) << result.err;
    }
  }
  CliResult run(const std::vector<std::string>& args, std::string_view input = {}) {
    return runCli(args, input, dir_.path());
  }

  TempDir dir_;
};

TEST_F(ExchangeCommand, AnExportWhoseNamesWouldMergeExitsOneAndWritesNothing) {
  const std::string stem(49, 'x');
  for (const std::string& name : {stem + "1", stem + "2"})
    ASSERT_EQ(run({"add", "combo", "Arena", "Kenji", name}, "100 down\r\n").exitCode, 0);
  const CliResult result = run({"export", "Arena", "a.SPK"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("a.SPK was not written"), std::string::npos) << result.err;
  EXPECT_FALSE(std::filesystem::exists(dir_ / "a.SPK"));
}

TEST_F(ExchangeCommand, AnImportThatMergesSaysSoAndExitsZero) {
  ASSERT_EQ(run({"export", "Arena", "a.SPK"}).exitCode, 0);
  const CliResult result = run({"import", "a.SPK", "--yes"});
  EXPECT_EQ(result.exitCode, 0) << "it stored what it could and said what it did not";
  EXPECT_NE(result.err.find("Characters of a.SPK added to the game's character of the same name (letter case aside), "
                            "with their combos:\n  Kenji\n"),
            std::string::npos)
      << result.err;
}

}  // namespace
}  // namespace strikepad::testing
