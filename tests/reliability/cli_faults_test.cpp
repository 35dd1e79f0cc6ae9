// strikepad-cli run as a user would, on a damaged catalogue, onto a full disk or a closed
// standard output, and given input or output that is no file of its kind: the catalogue
// itself, a FIFO, input without end.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <fstream>
#include <memory>

#include "../cli/cli_runner.h"
#include "file_size_limit.h"
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
  // Runs `sql` on the catalogue, as another program would.
  void change(const std::string& sql) {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open_v2((dir_ / "sp.dat").c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    const std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(raw, sqlite3_close);
    ASSERT_EQ(sqlite3_exec(raw, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(raw);
  }
  TempDir dir_;
};

TEST_F(CliFaults, ListPrintsEachCombosStoredSize) {
  const CliResult result = runCli({"list"}, {}, dir_.path());
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out.substr(0, result.out.find("game 2")),
            "game 1 Street\n  character 1 Character 0\n    combo 1 Combo 0 360\n    combo 2 Combo 1 360\n");
}

TEST_F(CliFaults, AListWhoseCombosCannotBeReadFailsAfterListingTheRest) {
  // The combos table becomes a view that opens fine but fails on its first row.
  change("alter table moves rename to kept; create view moves as select id, name, roleid,"
         " data || abs(-9223372036854775808) as data from kept");
  const CliResult result = runCli({"list"}, {}, dir_.path());
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out.substr(0, result.out.find("  character 2")), "game 1 Street\n  character 1 Character 0\ngame 2 Arcana\n");
  EXPECT_NE(result.err.find("integer overflow"), std::string::npos) << result.err;
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

TEST_F(CliFaults, ACatalogueHoldingATriggerIsListedButNotChangedUntilItIsRemoved) {
  change("create trigger t after delete on moves begin delete from game; end");
  const auto before = dumpCatalogue(dir_ / "sp.dat");
  const std::vector<std::string> deleteCombo{"delete", "combo", "Street", "Character 0", "Combo 0"};

  const CliResult refused = runCli(deleteCombo, {}, dir_.path());
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err, "sp.dat: this catalogue holds what this program did not make, so it is read but not changed:\n"
                         "trigger t; remove it with: sqlite3 sp.dat 'drop trigger t'\n");
  EXPECT_EQ(dumpCatalogue(dir_ / "sp.dat"), before);
  const CliResult list = runCli({"list"}, {}, dir_.path());
  EXPECT_EQ(list.exitCode, 0) << list.err;
  EXPECT_TRUE(list.out.starts_with("game 1 Street\n")) << list.out;

  change("drop trigger t");
  EXPECT_EQ(runCli(deleteCombo, {}, dir_.path()).exitCode, 0);
  EXPECT_EQ(dumpCatalogue(dir_ / "sp.dat").size(), before.size() - 1) << "the one combo, nothing else";
}

TEST_F(CliFaults, ADeleteOntoAFullDiskIsReportedOnceAndChangesNothing) {
  writeGames(dir_ / "sp.dat", {makeGame("Big", 1, 12000)});  // more than SQLite keeps in memory
  const auto before = dumpCatalogue(dir_ / "sp.dat");
  CliResult result;
  {
    FileSizeLimit diskFull(fs::file_size(dir_ / "sp.dat") + 64 * 1024);
    result = runCli({"delete", "character", "Big", "Character 0"}, {}, dir_.path());
  }
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "sp.dat: error Information:disk I/O error(30a)\n");
  EXPECT_EQ(integrityCheck(dir_ / "sp.dat"), "ok");
  EXPECT_EQ(dumpCatalogue(dir_ / "sp.dat"), before);
}

TEST_F(CliFaults, AnExportOntoAFullDiskFailsAndKeepsTheOldFile) {
  std::ofstream(dir_ / "arcana.SPK") << "the export of last week";
  CliResult result;
  {
    FileSizeLimit diskFull(64 * 1024);  // the game needs about 380 kB
    result = runCli({"export", "Arcana", "arcana.SPK"}, {}, dir_.path());
  }
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "can not write arcana.SPK (" + (dir_ / "arcana.SPK").string() + ": File too large)\n")
      << "the whole path of a name given without its folder";
  std::ifstream old(dir_ / "arcana.SPK");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "the export of last week");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 2) << "no temporary file left";
}

TEST_F(CliFaults, AListCutShortByAFullDiskFailsAndSaysWhy) {
  CliResult result;
  {
    FileSizeLimit diskFull(4096);  // the list is about 20 kB
    result = runCli({"list"}, {}, dir_.path());
  }
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out.size(), 4096u);
  EXPECT_EQ(result.err, "can not write standard output: File too large\n");
}

TEST_F(CliFaults, EveryCommandThatWritesToAClosedStandardOutputFailsAndSaysWhy) {
  // A change, for the history to list.
  ASSERT_EQ(runCli({"delete", "combo", "Street", "Character 0", "Combo 0"}, {}, dir_.path()).exitCode, 0);
  const std::string script = "100 down\r\n";
  const std::string block = runCli({"script", "parse"}, script).out;
  const std::vector<std::pair<std::vector<std::string>, std::string>> commands{
      {{"list"}, ""},
      {{"list", "--json"}, ""},
      {{"show", "Street", "Character 0", "Combo 1"}, ""},
      {{"history"}, ""},
      {{"export", "Street", "-"}, ""},
      {{"script", "parse"}, script},
      {{"script", "print", block}, ""},
      {{"--version"}, ""},
  };
  for (const auto& [args, input] : commands) {
    const CliResult result = runCli(args, input, dir_.path(), StandardOutput::closed());
    EXPECT_EQ(result.exitCode, 1) << args.front() << " " << args.back();
    EXPECT_EQ(result.err, "can not write standard output: Bad file descriptor\n") << args.front() << " " << args.back();
  }
}

TEST_F(CliFaults, ACommandThatWritesNothingToStandardOutputRunsWithoutIt) {
  const CliResult result = runCli({"add", "game", "New"}, {}, dir_.path(), StandardOutput::closed());
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(runCli({"list"}, {}, dir_.path()).out.find("game 3 New\n"), std::string::npos);
}

TEST_F(CliFaults, AnExportWhoseStandardOutputIsTheCatalogueIsRefusedUntouched) {
  const auto bytes = fileBytes(dir_ / "sp.dat");
  const CliResult result = runCli({"export", "Street", "-"}, {}, dir_.path(), StandardOutput::readWrite(dir_ / "sp.dat"));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "standard output is the catalogue sp.dat: nothing was done; send the output to another file\n");
  EXPECT_EQ(fileBytes(dir_ / "sp.dat"), bytes);
}

TEST_F(CliFaults, ImportOfAFifoWithoutAWriterIsRefusedAtOnce) {
  ASSERT_EQ(::mkfifo((dir_ / "fifo.SPK").c_str(), 0600), 0);  // no program ever writes to it
  const auto before = dumpCatalogue(dir_ / "sp.dat");

  const CliResult fifo = runCli({"import", "fifo.SPK"}, {}, dir_.path());
  EXPECT_EQ(fifo.exitCode, 1) << "a hung import is killed: " << fifo.exitCode;
  EXPECT_EQ(fifo.err, "fifo.SPK is not a regular file.\n");
  EXPECT_EQ(dumpCatalogue(dir_ / "sp.dat"), before);
}

TEST_F(CliFaults, ScriptInputOfMoreThanAMegabyteIsRefused) {
  const std::string endless(std::size_t{3} << 20, '1');
  for (const char* action : {"parse", "print"}) {
    const CliResult result = runCli({"script", action}, endless);
    EXPECT_EQ(result.exitCode, 1) << action;
    EXPECT_EQ(result.err, "standard input is too large: more than 1 MB\n") << action;
  }
  std::ofstream(dir_ / "combo.txt") << endless;
  const auto before = dumpCatalogue(dir_ / "sp.dat");
  const CliResult add = runCli({"add", "combo", "Street", "Character 0", "Big", "combo.txt"}, {}, dir_.path());
  EXPECT_EQ(add.exitCode, 1);
  EXPECT_EQ(add.err.substr(0, add.err.find('\n') + 1),
            (dir_ / "combo.txt").string() + " is too large: more than 1 MB\n");
  EXPECT_EQ(dumpCatalogue(dir_ / "sp.dat"), before);
}

}  // namespace
}  // namespace strikepad::testing
