#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <memory>
#include <optional>

#include "exchange/spk_format.h"
#include "exchange_fixture.h"
#include "file_size_limit.h"
#include "operations/exchange_texts.h"
#include "spk_bytes.h"

namespace strikepad {
namespace {

using testing::SpkBytes;

class ExportTest : public ExchangeTest {
 protected:
  // Chooses `file` in the save dialog and exports the game selected in the list; no problem
  // when the command exported nothing.
  std::optional<ExportProblem> exportSelected(const std::filesystem::path& file) {
    prompts_.answerSaveFile(file.string());
    const std::optional<ExportResult> result = OnExportGame(catalogue_, file_);
    return result ? std::optional(result->problem) : std::nullopt;
  }
  void selectGame(const std::string& name) {
    catalogue_.FillGameList();
    selectByName(games_, name);
    catalogue_.FillCharacterList();
  }
};

TEST_F(ExportTest, AGameWithoutCharactersIsItsNameAndACountOfZero) {
  addGame("Other");
  addGame("Ab");
  selectGame("Ab");
  EXPECT_EQ(exportSelected(dir_ / "ab.SPK"), ExportProblem::None);
  EXPECT_EQ(prompts_.lastFilter.filter, "Strikepad 2.0 files(*.SPK)|*.SPK|All files (*.*)|*.*||");
  EXPECT_EQ(prompts_.lastFilter.defaultExtension, "*.SPK");
  ASSERT_EQ(prompts_.events().back().kind, testing::ScriptedPrompts::Kind::SaveFile);
  EXPECT_EQ(prompts_.events().back().caption, "Ab") << "the dialog names the file after the game";
  EXPECT_EQ(fileBytes(dir_ / "ab.SPK"), SpkBytes().name("Ab").count(0).bytes());
  EXPECT_TRUE(prompts_.messages().empty()) << "no message on success";
}

TEST_F(ExportTest, ScriptMadeCombosAreWrittenWhole) {
  addGame("Street Brawler", {{"Kenji", {}}, {"Mei", {}}});
  selectGame("Street Brawler");
  ComboBlock first = emptyComboBlock(), second = emptyComboBlock();
  first[0] = 0x40, second[0] = 0x02;
  for (const auto& [block, name] : {std::pair{first, "Hurricane"}, std::pair{second, "Uppercut"}}) {
    prompts_.answerScript(block);
    prompts_.answerName(name);
    catalogue_.OnNewComboFromScript();
  }
  ASSERT_EQ(texts(combos_), (std::vector<std::string>{"Hurricane", "Uppercut"}));

  ASSERT_EQ(exportSelected(dir_ / "sb.SPK"), ExportProblem::None);
  const auto bytes = fileBytes(dir_ / "sb.SPK");
  EXPECT_EQ(bytes.size(), 50u + 4 + 50 + 4 + 2 * (50 + 4 + 360) + 50 + 4);
  EXPECT_EQ(bytes, SpkBytes()
                       .name("Street Brawler")
                       .count(2)
                       .name("Kenji")
                       .count(2)
                       .combo("Hurricane", {first.begin(), first.end()})
                       .combo("Uppercut", {second.begin(), second.end()})
                       .name("Mei")
                       .count(0)
                       .bytes());
}

TEST_F(ExportTest, OneCharacterWithTwoCombosIs936Bytes) {
  addGame("G", {{"C", {"One", "Two"}}});
  selectGame("G");
  ASSERT_EQ(exportSelected(dir_ / "g.SPK"), ExportProblem::None);
  EXPECT_EQ(fileBytes(dir_ / "g.SPK").size(), 936u);
  EXPECT_EQ(prompts_.reports(),
            std::vector<std::string>{"G exported to " + (dir_ / "g.SPK").string() + " (1 character, 2 combos)"});
}

TEST_F(ExportTest, NamesTooLongForTheFieldAreCutAndEmptyDataIsSizeZero) {
  const std::string longName = std::string(48, 'n') + "\xC3\xA9" + "tail";
  const RecordId game = addGame(longName, {{"C", {}}});
  auto character = store_.OpenRecordset("role", "gameid=?", {std::int64_t{game}});
  ASSERT_TRUE(store_.execute("insert into moves(name, roleid, data) values('Blank', ?, x'')",
                             {std::int64_t{character->integer("id")}}));

  ASSERT_EQ(exportGame(game, dir_ / "long.SPK"), ExportProblem::None);
  EXPECT_EQ(fileBytes(dir_ / "long.SPK"),
            SpkBytes().name(std::string(48, 'n')).count(1).name("C").count(1).combo("Blank", {}).bytes());
  EXPECT_EQ(prompts_.messages(), std::vector<std::string>{"These names were too long for long.SPK and were cut to 49 "
                                                          "bytes:\n  " + longName + " -> " + std::string(48, 'n')});
}

TEST_F(ExportTest, DataThatIsNotOneBlockIsNamedWithWhatTheFileHolds) {
  const RecordId game = addGame("G", {{"Kenji", {}}});
  auto character = store_.OpenRecordset("role", "gameid=?", {std::int64_t{game}});
  const std::vector<std::uint8_t> longData(400, 0x11), shortData(100, 0x22);
  ASSERT_TRUE(store_.execute("insert into moves(name, roleid, data) values('Long', ?1, ?2), ('Short', ?1, ?3)",
                             {std::int64_t{character->integer("id")}, Bytes(longData), Bytes(shortData)}));

  ASSERT_EQ(exportGame(game, dir_ / "g.SPK"), ExportProblem::None);
  EXPECT_EQ(fileBytes(dir_ / "g.SPK"), SpkBytes()
                                           .name("G")
                                           .count(1)
                                           .name("Kenji")
                                           .count(2)
                                           .combo("Long", std::vector<std::uint8_t>(360, 0x11))
                                           .combo("Short", shortData)
                                           .bytes());
  EXPECT_EQ(prompts_.notices(), std::vector<std::string>{"These combos do not hold one 360-byte combo block; in g.SPK:"
                                                         "\n  Kenji / Long: 400 bytes, cut to the first 360"
                                                         "\n  Kenji / Short: 100 bytes, as stored; an import fills the "
                                                         "block up with end markers"});
}

TEST_F(ExportTest, NamesThatWouldReadBackAsOneAreRefusedAndNothingIsWritten) {
  const auto old = writeFile("g.SPK", SpkBytes().name("Old").count(0).bytes());
  // Seventeen three-byte characters: cut to sixteen, the two names differ no more.
  std::string seventeen;
  for (int i = 0; i < 16; ++i) seventeen += "\xE6\x98\xA5";
  const RecordId game = addGame("G", {{"Ken", {seventeen + "\xE9\xBA\x97", seventeen + "\xE9\xBE\x8D", "Kick"}}});
  // Names differing in case only, as another program may have stored them.
  ASSERT_TRUE(store_.execute("insert into role(name, gameid) values('STRASSE', ?), ('Stra\xC3\x9F" "e', ?)",
                             {std::int64_t{game}, std::int64_t{game}}));

  EXPECT_EQ(exportGame(game, old), ExportProblem::NamesClash);
  EXPECT_EQ(prompts_.messages(),
            std::vector<std::string>{"g.SPK was not written: these names would be one name in it (names are cut to 49 "
                                     "bytes there, and letter case does not count), so an import would merge them:"
                                     "\n  characters of G:\n    STRASSE\n    Stra\xC3\x9F" "e"
                                     "\n  combos of Ken:\n    " + seventeen + "\xE9\xBA\x97\n    " + seventeen +
                                     "\xE9\xBE\x8D"});
  EXPECT_EQ(fileBytes(old), SpkBytes().name("Old").count(0).bytes());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2) << "sp.dat and g.SPK only";
}

TEST_F(ExportTest, NothingIsWrittenWithoutASelectedGame) {
  EXPECT_EQ(exportSelected(dir_ / "none.SPK"), std::nullopt);
  addGame("G");
  catalogue_.FillGameList();
  games_.select(-1);
  EXPECT_EQ(exportSelected(dir_ / "none.SPK"), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "none.SPK"));
  EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(ExportTest, ACancelledDialogDoesNothing) {
  addGame("G");
  selectGame("G");
  prompts_.answerSaveFile("");
  EXPECT_FALSE(OnExportGame(catalogue_, file_).has_value());
  EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(ExportTest, AnExistingFileIsReplacedCompletely) {
  writeFile("g.SPK", std::vector<std::uint8_t>(5000, 0xAB));
  addGame("G");
  selectGame("G");
  ASSERT_EQ(exportSelected(dir_ / "g.SPK"), ExportProblem::None);
  EXPECT_EQ(fileBytes(dir_ / "g.SPK"), SpkBytes().name("G").count(0).bytes());
}

TEST_F(ExportTest, AFileThatCannotBeCreatedIsNamedWithItsWholePathAndTheSystemsReason) {
  addGame("G");
  selectGame("G");
  EXPECT_EQ(exportSelected(dir_ / "no such folder" / "g.SPK"), ExportProblem::CannotOpen);
  EXPECT_EQ(prompts_.notices(), std::vector<std::string>{"can not open g.SPK (" +
                                                         (dir_ / "no such folder" / "g.SPK").string() +
                                                         ": No such file or directory)"});
}

TEST_F(ExportTest, AGameTheStoreNoLongerHoldsLeavesAnExistingFileAsItWas) {
  const auto old = writeFile("g.SPK", SpkBytes().name("Old").count(0).bytes());
  const RecordId game = addGame("G");
  selectGame("G");
  deleteGame(file_, game);  // the list still shows it
  EXPECT_EQ(exportSelected(old), ExportProblem::NoGameData);
  EXPECT_EQ(prompts_.notices(), std::vector<std::string>{"Can not find game data"});
  EXPECT_EQ(fileBytes(old), SpkBytes().name("Old").count(0).bytes());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2) << "sp.dat and g.SPK only";
}

TEST_F(ExportTest, AFullDiskIsReportedAndTheOldFileKept) {
  const auto old = writeFile("g.SPK", SpkBytes().name("Old").count(0).bytes());
  const RecordId game = addGame("G", {{"C", {"One", "Two", "Three"}}});
  ExportProblem outcome;
  {
    testing::FileSizeLimit diskFullAfter(500);
    outcome = exportGame(game, old);
  }
  EXPECT_EQ(outcome, ExportProblem::CannotWrite);
  EXPECT_EQ(prompts_.notices(), std::vector<std::string>{"can not write g.SPK (" + old.string() + ": File too large)"});
  EXPECT_EQ(fileBytes(old), SpkBytes().name("Old").count(0).bytes());
}

TEST_F(ExportTest, TheOpenCatalogueIsRefusedUnderAnyNameAndLeftAsItWas) {
  const RecordId game = addGame("G", {{"C", {"One"}}});
  const auto catalogue = fileBytes(store_.path());
  std::filesystem::create_symlink("sp.dat", dir_ / "link.SPK");
  std::filesystem::create_hard_link(store_.path(), dir_ / "hard.SPK");
  for (const char* name : {"sp.dat", "link.SPK", "hard.SPK"}) {
    EXPECT_EQ(exportGame(game, dir_ / name), ExportProblem::TargetIsCatalogue) << name;
    EXPECT_EQ(prompts_.notices().back(), std::string(name) + " is the open catalogue: export the game to another file.");
  }
  EXPECT_EQ(fileBytes(store_.path()), catalogue);
  EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "link.SPK"));
}

TEST_F(ExportTest, TheExportShowsNothingItselfAndReturnsItsNoticeForTheCallerToShow) {
  const RecordId game = addGame("G");
  const ExportResult result = exportGameFile(file_, game, store_.path());
  EXPECT_EQ(result.problem, ExportProblem::TargetIsCatalogue);
  EXPECT_EQ(exportNotices(result, store_.path()),
            std::vector<std::string>{"sp.dat is the open catalogue: export the game to another file."});
  EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(ExportTest, APathThatIsNotARegularFileIsNamedAndLeftAlone) {
  const RecordId game = addGame("G");
  std::filesystem::create_directory(dir_ / "folder.SPK");
  EXPECT_EQ(exportGame(game, dir_ / "folder.SPK"), ExportProblem::TargetNotAFile);
  EXPECT_EQ(prompts_.notices(), std::vector<std::string>{"folder.SPK is not a regular file: export the game to a file."});
  EXPECT_TRUE(std::filesystem::is_empty(dir_ / "folder.SPK"));
}

TEST_F(ExportTest, ExportsWhileAnotherProgramIsWriting) {
  const RecordId game = addGame("G", {{"C", {"One"}}});
  ASSERT_EQ(exportGame(game, dir_ / "before.SPK"), ExportProblem::None);
  file_.store().setBusyTimeout(std::chrono::milliseconds(5));  // waiting for the writer would fail at once

  sqlite3* raw = nullptr;
  ASSERT_EQ(sqlite3_open_v2(store_.path().c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
  const std::unique_ptr<sqlite3, decltype(&sqlite3_close)> writer(raw, &sqlite3_close);
  const std::string write =
      "begin immediate; insert into role(name, gameid) values('Uncommitted', " + std::to_string(game) + ")";
  ASSERT_EQ(sqlite3_exec(writer.get(), write.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);

  EXPECT_EQ(exportGame(game, dir_ / "during.SPK"), ExportProblem::None);
  EXPECT_TRUE(prompts_.messages().empty());
  EXPECT_EQ(fileBytes(dir_ / "during.SPK"), fileBytes(dir_ / "before.SPK")) << "the other program's writes unseen";
  EXPECT_EQ(sqlite3_exec(writer.get(), "commit", nullptr, nullptr, nullptr), SQLITE_OK)
      << "the export holds no lock once it has returned";
}

}  // namespace
}  // namespace strikepad
