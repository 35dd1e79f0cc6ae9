// strikepad-cli's catalogue commands, run on a catalogue in a temporary folder.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "../exchange/spk_bytes.h"
#include "cli_runner.h"
#include "store/store.h"
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
  EXPECT_EQ(list().out, "game 1 Arena\n  character 1 Kenji\n    combo 1 Spin 360\n    combo 2 Dash 360\n");
}

TEST_F(CatalogueCommand, AddComboNamesValuesStoredOtherThanWrittenAndStoresThem) {
  const CliResult result = runCli({"add", "combo", "Arena", "Kenji", "Spin"}, "100 ry -300\r\n", dir_.path());
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "step 1: ry -300 is outside -127..127 and is stored as -44\n");
  EXPECT_EQ(list().out, "game 1 Arena\n  character 1 Kenji\n    combo 1 Spin 360\n");
}

TEST_F(CatalogueCommand, AScriptFileThatCannotBeReadStoresNothing) {
  const CliResult missing = runCli({"add", "combo", "Arena", "Kenji", "Spin", "missing.txt"}, {}, dir_.path());
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err.substr(0, missing.err.find('\n') + 1),
            "cannot open " + (dir_ / "missing.txt").string() + ": No such file or directory\n");

  std::filesystem::create_directory(dir_ / "folder");
  const CliResult folder = runCli({"add", "combo", "Arena", "Kenji", "Spin", "folder"}, {}, dir_.path());
  EXPECT_EQ(folder.exitCode, 1);
  EXPECT_EQ(folder.err.substr(0, folder.err.find('\n') + 1),
            "cannot read " + (dir_ / "folder").string() + ": Is a directory\n")
      << "never taken for an empty script";

  EXPECT_EQ(list().out, "game 1 Arena\n  character 1 Kenji\n");
}

TEST_F(CatalogueCommand, InitRefusesNamesThatAreNotPlainFiles) {
  for (const char* name : {":memory:", "file:sp.dat"}) {
    const CliResult result = runCli({"init", name}, {}, dir_.path());
    EXPECT_EQ(result.exitCode, 1) << name;
    EXPECT_EQ(result.err, std::string("\"").append(name).append("\" is not a file name for a catalogue\n"));
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1) << "only sp.dat";
}

TEST_F(CatalogueCommand, InitWhereNoFileCanBeMadeNamesTheWholePathAndWhy) {
  const CliResult result = runCli({"init", "gone/sp.dat"}, {}, dir_.path());
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "can not create " + (dir_ / "gone" / "sp.dat").string() + ": No such file or directory\n");
}

TEST_F(CatalogueCommand, NamesWithControlCharactersAreRefused) {
  for (const char* name : {"Ryu\ngame 9 Forged", "\x1b]0;owned\x07", "Ken\xc2\x9b"}) {
    const CliResult result = runCli({"add", "character", "Arena", name}, {}, dir_.path());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "names may not hold control characters\n");
  }
  EXPECT_EQ(list().out, "game 1 Arena\n  character 1 Kenji\n");
}

TEST_F(CatalogueCommand, ListAndItsJsonShowStoredControlCharactersEscaped) {
  {
    Store store(dir_ / "sp.dat");
    ASSERT_TRUE(store.ConnectStore());
    auto games = store.OpenRecordset("game");
    games->addNew();
    games->setValue("name", std::string("Evil\ngame 7 \x1b[2JForged\xc2\x9b"));
    ASSERT_TRUE(games->update());
  }
  EXPECT_EQ(list().out, "game 1 Arena\n  character 1 Kenji\ngame 2 Evil\\x0agame 7 \\x1b[2JForged\\xc2\\x9b\n");
  const std::string json = runCli({"list", "--json"}, {}, dir_.path()).out;
  EXPECT_NE(json.find(R"("Evil\ngame 7 \u001b[2JForged\u009b")"), std::string::npos) << json;
}

TEST(CatalogueFile, ACommandWithoutACatalogueSaysHowToMakeOne) {
  TempDir dir;
  const CliResult missing = runCli({"list"}, {}, dir.path());
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err.substr(missing.err.find('\n') + 1), "no catalogue at sp.dat; strikepad-cli init makes an empty one\n");

  std::ofstream(dir / "other.dat") << "notes, not a catalogue";
  const CliResult notCatalogue = runCli({"--catalogue", "other.dat", "add", "game", "Arena"}, {}, dir.path());
  EXPECT_EQ(notCatalogue.exitCode, 1);
  EXPECT_EQ(notCatalogue.err,
            "other.dat: error Information:file is not a database(1a)\n"
            "other.dat is not a strikepad catalogue; move it aside, then strikepad-cli init other.dat makes an empty one\n");
}

TEST(CatalogueFile, AFolderStandsForItsSpDat) {
  TempDir dir;
  std::filesystem::create_directory(dir / "club");
  EXPECT_EQ(runCli({"init", "club"}, {}, dir.path()).exitCode, 0);
  EXPECT_TRUE(std::filesystem::exists(dir / "club" / "sp.dat"));
  EXPECT_EQ(runCli({"--catalogue", "club", "add", "game", "Arena"}, {}, dir.path()).exitCode, 0);
  EXPECT_EQ(runCli({"list"}, {}, dir / "club").out, "game 1 Arena\n");
}

TEST_F(CatalogueCommand, ExportToADashWritesTheFileToStandardOutput) {
  ASSERT_EQ(runCli({"export", "Arena", "arena.SPK"}, {}, dir_.path()).exitCode, 0);
  const CliResult result = runCli({"export", "Arena", "-"}, {}, dir_.path());
  EXPECT_EQ(result.exitCode, 0) << result.err;
  std::ifstream file(dir_ / "arena.SPK", std::ios::binary);
  EXPECT_EQ(result.out, std::string(std::istreambuf_iterator<char>(file), {}));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "-"));
}

TEST_F(CatalogueCommand, ImportPrintsWhatItLeftOutAndExitsAsItEnded) {
  const auto file =
      SpkBytes().name("Dojo").count(1).name("R").count(2).combo("Spin", sampleBlock(1)).combo("SPIN", sampleBlock(2));
  std::ofstream(dir_ / "dojo.SPK", std::ios::binary)
      .write(reinterpret_cast<const char*>(file.bytes().data()), static_cast<std::streamsize>(file.bytes().size()));

  const CliResult imported = runCli({"import", "dojo.SPK"}, {}, dir_.path());
  EXPECT_EQ(imported.exitCode, 0) << "left-out combos are told, the import still succeeded";
  EXPECT_EQ(imported.err,
            "Combos of dojo.SPK not stored because their character already had a combo of that name:\n  R: SPIN\n");

  const CliResult refused = runCli({"import", "dojo.SPK"}, {}, dir_.path());
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err,
            "This game name is always exist,so if your records of Ultra/Super Combos with same name will be "
            "replaced,\ncontinue? [answered No: --yes reuses the game]\n");
  EXPECT_EQ(list().out, "game 1 Arena\n  character 1 Kenji\ngame 2 Dojo\n  character 2 R\n    combo 1 Spin 360\n");
}

TEST_F(CatalogueCommand, ImportNoticesShowControlCharactersInNamesEscaped) {
  const auto file = SpkBytes().name("Dojo").count(1).name("R\x1b]0;owned\x07").count(2).combo("Spin", sampleBlock(1))
                        .combo("SPIN", sampleBlock(2));
  std::ofstream(dir_ / "dojo.SPK", std::ios::binary)
      .write(reinterpret_cast<const char*>(file.bytes().data()), static_cast<std::streamsize>(file.bytes().size()));
  const CliResult imported = runCli({"import", "dojo.SPK"}, {}, dir_.path());
  EXPECT_EQ(imported.err, "Combos of dojo.SPK not stored because their character already had a combo of that name:\n"
                          "  R\\x1b]0;owned\\x07: SPIN\n");
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
  EXPECT_EQ(list().out, "game 1 Arena\n  character 1 Kenji\n");
}

TEST_F(CatalogueCommand, NamesAreLookedUpWithFullCaseFolding) {
  ASSERT_EQ(runCli({"add", "game", "Évolution"}, {}, dir_.path()).exitCode, 0);
  const CliResult added = runCli({"add", "character", "ÉVOLUTION", "Straße"}, {}, dir_.path());
  EXPECT_EQ(added.exitCode, 0) << added.err;
  const CliResult exported = runCli({"export", "éVOLUTION", "out.spk"}, {}, dir_.path());
  EXPECT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_EQ(list().out, "game 1 Arena\n  character 1 Kenji\ngame 2 Évolution\n  character 2 Straße\n");
}

}  // namespace
}  // namespace strikepad::testing
