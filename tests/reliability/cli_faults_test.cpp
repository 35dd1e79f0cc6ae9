// strikepad-cli run as a user would, on a damaged catalogue and onto a full disk.

#include <gtest/gtest.h>

#include <fstream>

#include "../cli/cli_runner.h"
#include "../exchange/file_size_limit.h"
#include "catalogue_files.h"
#include "store/schema.h"
#include "temp_dir.h"

namespace strikepad::testing {
namespace {

namespace fs = std::filesystem;

class CliFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string message;
    ASSERT_TRUE(createCatalogue(dir_ / "sp.dat", message)) << message;
    writeGames(dir_ / "sp.dat", {makeGame("Street", 1, 2), makeGame("Arcana", 30, 30)});
  }
  TempDir dir_;
};

TEST_F(CliFaults, ListPrintsEachCombosStoredSize) {
  const CliResult result = runCli({"list"}, {}, dir_.path());
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out.substr(0, result.out.find("game 2")),
            "game 1 Street\n  role 1 Character 0\n    moves 1 Combo 0 360\n    moves 2 Combo 1 360\n");
}

TEST_F(CliFaults, ACatalogueCutShortIsReportedOnceAndLeftAsItWas) {
  fs::resize_file(dir_ / "sp.dat", fs::file_size(dir_ / "sp.dat") / 3);
  const auto bytes = fileBytes(dir_ / "sp.dat");
  for (const std::vector<std::string>& args : {std::vector<std::string>{"list"}, {"add", "game", "New"}}) {
    const CliResult result = runCli(args, {}, dir_.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "sp.dat: error Information:database disk image is malformed(b)\n") << "names the file, no init hint";
  }
  EXPECT_EQ(fileBytes(dir_ / "sp.dat"), bytes);
}

TEST_F(CliFaults, AnExportOntoAFullDiskFailsAndKeepsTheOldFile) {
  std::ofstream(dir_ / "arcana.SPK") << "the export of last week";
  CliResult result;
  {
    FileSizeLimit diskFull(64 * 1024);  // the game needs about 380 kB
    result = runCli({"export", "Arcana", "arcana.SPK"}, {}, dir_.path());
  }
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "can not write arcana.SPK\n");
  std::ifstream old(dir_ / "arcana.SPK");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "the export of last week");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 2) << "no temporary file left";
}

}  // namespace
}  // namespace strikepad::testing
