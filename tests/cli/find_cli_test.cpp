// strikepad-cli find: one match a line, and the status says whether anything matched.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "cli_runner.h"
#include "temp_dir.h"

namespace strikepad::testing {
namespace {

class FindCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"init"}, {"add", "game", "Arena"}, {"add", "character", "Arena", "Kenji"},
          {"add", "game", "Tekken"}}) {
      const CliResult result = runCli(args, {}, dir_.path());
      ASSERT_EQ(result.exitCode, 0) << result.err;
    }
    ASSERT_EQ(runCli({"add", "combo", "Arena", "Kenji", "Hadoken"}, "100 down\r\n", dir_.path()).exitCode, 0);
  }

  TempDir dir_;
};

TEST_F(FindCommand, PrintsEachMatchOnALineAndExitsZero) {
  const CliResult found = runCli({"find", "KEN"}, {}, dir_.path());
  EXPECT_EQ(found.exitCode, 0) << found.err;
  EXPECT_EQ(found.out, "Arena / Kenji\nArena / Kenji / Hadoken\nTekken\n");
}

TEST_F(FindCommand, NothingMatchedExitsOneAndPrintsNothing) {
  const CliResult found = runCli({"find", "Shoryu"}, {}, dir_.path());
  EXPECT_EQ(found.exitCode, 1);
  EXPECT_EQ(found.out, "");
  EXPECT_EQ(found.err, "");
}

TEST_F(FindCommand, JsonNamesEachLevelOfAMatch) {
  const CliResult found = runCli({"find", "hadoken", "--json"}, {}, dir_.path());
  EXPECT_EQ(found.exitCode, 0) << found.err;
  const nlohmann::json document = nlohmann::json::parse(found.out);
  EXPECT_EQ(document, nlohmann::json::parse(R"({"matches":[{"game":{"id":1,"name":"Arena"},
      "character":{"id":1,"name":"Kenji"},"combo":{"id":1,"name":"Hadoken"}}]})"));
}

}  // namespace
}  // namespace strikepad::testing
