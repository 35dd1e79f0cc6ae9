#include <gtest/gtest.h>

#include <chrono>
#include <string_view>

#include "exchange_fixture.h"
#include "operations/history_operations.h"
#include "operations/exchange_texts.h"
#include "operations/shared_texts.h"
#include "spk_bytes.h"

namespace strikepad {
namespace {

using testing::arenaFile;
using testing::sampleBlock;
using testing::SpkBytes;

class ImportTest : public ExchangeTest {
 protected:
  // Chooses `file` in the open dialog and imports it.
  ImportResult importChosen(const std::filesystem::path& file) {
    prompts_.answerOpenFile(file.string());
    std::optional<ImportResult> result = OnImportGame(catalogue_, file_);
    EXPECT_TRUE(result.has_value());
    return result.value_or(ImportResult{});
  }
  ImportProblem importBytes(const std::vector<std::uint8_t>& bytes) {
    return importFile(writeFile("in.SPK", bytes)).problem;
  }
};

TEST_F(ImportTest, ANewGameIsAddedSelectedAndShown) {
  addGame("Before", {{"Old", {"Move"}}});
  catalogue_.FillGameList();

  EXPECT_TRUE(importChosen(writeFile("arena.SPK", arenaFile(sampleBlock(3)))).done());
  EXPECT_EQ(prompts_.lastFilter.filter, "Strikepad 2.0 files(*.SPK)|*.SPK|All files (*.*)|*.*||");
  EXPECT_EQ(prompts_.lastFilter.defaultExtension, "*.SPK");
  EXPECT_TRUE(prompts_.messages().empty()) << "no message on success";
  EXPECT_EQ(prompts_.reports(), std::vector<std::string>{"imported 3 combos and 3 characters into Arena from " +
                                                         (dir_ / "arena.SPK").string()});

  EXPECT_EQ(texts(games_), (std::vector<std::string>{"Before", "Arena"}));
  EXPECT_EQ(selected(games_), "Arena");
  EXPECT_EQ(texts(characters_), (std::vector<std::string>{"Kenji", "Mei", "Rosa"}));
  EXPECT_EQ(selected(characters_), "Kenji");
  EXPECT_EQ(texts(combos_), (std::vector<std::string>{"Hurricane", "Uppercut"}));
  EXPECT_EQ(dumpGame(gameId("Arena")), (std::vector<std::string>{
                                           "game Arena",
                                           "  role Kenji",
                                           "    moves Hurricane " + hex(sampleBlock(1)),
                                           "    moves Uppercut " + hex(sampleBlock(2)),
                                           "  role Mei",
                                           "  role Rosa",
                                           "    moves Spin " + hex(sampleBlock(3)),
                                       }));
}

TEST_F(ImportTest, ExportDeleteImportGivesBackTheSameGame) {
  addGame("First", {{"A", {"a1"}}});
  const RecordId game = addGame("Second", {{"Zed", {"z1", "z2", "z3"}}, {"Empty", {}}, {"Amy", {"x"}}});
  addGame("Third", {{"B", {"b1"}}});
  const auto before = dump();

  ASSERT_EQ(exportGame(game, dir_ / "second.SPK"), ExportProblem::None);
  deleteGame(file_, game);
  catalogue_.FillGameList();
  ASSERT_TRUE(importChosen(dir_ / "second.SPK").done());

  auto after = dump();
  // The game comes back as the newest one, with all it held.
  std::vector<std::string> expected(before.begin(), before.begin() + 3);
  expected.insert(expected.end(), before.begin() + 11, before.end());
  expected.insert(expected.end(), before.begin() + 3, before.begin() + 11);
  EXPECT_EQ(after, expected);
  EXPECT_NE(gameId("Second"), game) << "new ids";
}

TEST_F(ImportTest, AnExistingGameIsReusedOnlyAfterYes) {
  addGame("Arena", {{"Kenji", {"Old"}}});
  catalogue_.FillGameList();
  const auto before = dump();
  const auto games = games_.entries();

  prompts_.answerAsk(false);
  EXPECT_EQ(importBytes(arenaFile(sampleBlock(3))), ImportProblem::GameExists);
  EXPECT_EQ(prompts_.questions(), std::vector<std::string>{shared_texts::kReuseGameQuestion});
  EXPECT_EQ(dump(), before);
  EXPECT_EQ(texts(games_), std::vector<std::string>{"Arena"});
  EXPECT_EQ(texts(characters_), std::vector<std::string>{"Kenji"});
}

TEST_F(ImportTest, YesReusesCharactersByNameAndReplacesCombosOfTheSameName) {
  const RecordId other = addGame("Other", {{"Solo", {"s"}}});
  const RecordId arena = addGame("arena", {{"KENJI", {"Kept", "uppercut"}}});
  catalogue_.FillGameList();  // the lists show Other, not the game the file reuses
  ASSERT_EQ(games_.selectedId(), other);
  const auto kept = dumpGame(arena)[2];

  prompts_.answerAsk(true);
  ASSERT_EQ(importBytes(arenaFile(sampleBlock(3))), ImportProblem::None);
  EXPECT_TRUE(prompts_.notices().empty())
      << "going on with the game's characters and replacing their combos were agreed to";
  EXPECT_EQ(dumpGame(arena), (std::vector<std::string>{
                                 "game arena",
                                 "  role KENJI",
                                 kept,
                                 "    moves uppercut " + hex(sampleBlock(2)),
                                 "    moves Hurricane " + hex(sampleBlock(1)),
                                 "  role Mei",
                                 "  role Rosa",
                                 "    moves Spin " + hex(sampleBlock(3)),
                             }));
  EXPECT_EQ(texts(games_), (std::vector<std::string>{"Other", "arena"})) << "no second entry";
  EXPECT_EQ(selected(games_), "arena");
  EXPECT_EQ(texts(characters_), (std::vector<std::string>{"KENJI", "Mei", "Rosa"}));
  EXPECT_EQ(texts(combos_), (std::vector<std::string>{"Kept", "uppercut", "Hurricane"}));
}

TEST_F(ImportTest, TheBlocksAnImportReplacesAreOneChangeThatUndoPutsBack) {
  const RecordId arena = addGame("arena", {{"KENJI", {"Kept", "uppercut"}}});
  const auto before = dumpGame(arena);
  prompts_.answerAsk(true);
  ASSERT_EQ(importBytes(arenaFile(sampleBlock(3))), ImportProblem::None);
  auto imported = dumpGame(arena);
  ASSERT_NE(imported[3], before[3]);

  const auto changes = recentChanges(file_).changes;
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(describe(changes[0]), "the replacement of the block of 1 combo of Game: arena");
  ASSERT_TRUE(undoNewest(file_).done());
  imported[3] = before[3];
  EXPECT_EQ(dumpGame(arena), imported) << "the old block is back; what the import added stays";
}

TEST_F(ImportTest, CharactersMergedAndCombosLeftOutAreToldInOneNotice) {
  const auto file = SpkBytes()
                        .name("Dojo")
                        .count(2)
                        .name("R")
                        .count(1)
                        .combo("Spin", sampleBlock(1))
                        .name("r")
                        .count(2)
                        .combo("SPIN", sampleBlock(2))
                        .combo("Kick", sampleBlock(3))
                        .bytes();
  ASSERT_EQ(importBytes(file), ImportProblem::None);
  EXPECT_EQ(dumpGame(gameId("Dojo")), (std::vector<std::string>{"game Dojo", "  role R",
                                                                  "    moves Spin " + hex(sampleBlock(1)),
                                                                  "    moves Kick " + hex(sampleBlock(3))}));
  EXPECT_EQ(prompts_.messages(),
            std::vector<std::string>{"Characters of in.SPK added to the game's character of the same name (letter "
                                     "case aside), with their combos:\n  r -> R\n"
                                     "Combos of in.SPK not stored because their character already had a combo of "
                                     "that name:\n  r: SPIN"});
}

TEST_F(ImportTest, TheImportShowsNothingItselfAndReturnsItsNoticeForTheCallerToShow) {
  const auto file =
      SpkBytes().name("Dojo").count(1).name("R").count(2).combo("Spin", sampleBlock(1)).combo("SPIN", sampleBlock(2));
  const auto path = writeFile("in.SPK", file.bytes());
  const ImportResult result = importGameFile(file_, path, Confirmation::NotGiven);
  EXPECT_TRUE(result.done());
  EXPECT_EQ(importNotices(result, path), std::vector<std::string>{"Combos of in.SPK not stored because their "
                                                                  "character already had a combo of that name:\n  R: SPIN"});
  EXPECT_TRUE(prompts_.messages().empty());
  EXPECT_TRUE(games_.entries().empty()) << "the lists are the window's to change";
}

TEST_F(ImportTest, UnderYesAFileComboNeverReplacesAnotherOfTheSameFile) {
  const RecordId arena = addGame("Arena", {{"Kenji", {"Hurricane"}}});
  prompts_.answerAsk(true);
  ASSERT_EQ(importBytes(SpkBytes()
                            .name("Arena")
                            .count(1)
                            .name("Kenji")
                            .count(2)
                            .combo("Hurricane", sampleBlock(1))
                            .combo("hurricane", sampleBlock(2))
                            .bytes()),
            ImportProblem::None);
  EXPECT_EQ(dumpGame(arena), (std::vector<std::string>{"game Arena", "  role Kenji",
                                                         "    moves Hurricane " + hex(sampleBlock(1))}));
  ASSERT_EQ(prompts_.notices().size(), 1u);
  EXPECT_NE(prompts_.notices()[0].find("not stored because their character already had a combo of that name:\n"
                                       "  Kenji: hurricane"),
            std::string::npos);
}

// While the user decides, other programs can write; what the import does then follows what
// the catalogue holds once it has the lock.
TEST_F(ImportTest, TheReuseQuestionIsAskedWithoutLockingTheCatalogue) {
  const RecordId old = addGame("Arena", {{"Kenji", {"Old"}}});
  prompts_.answerAskBy([&] {
    Store other(store_.path());
    other.setBusyTimeout(std::chrono::milliseconds(0));
    EXPECT_TRUE(other.ConnectStore());
    EXPECT_TRUE(other.execute("begin immediate")) << "the import holds no lock while asking";
    EXPECT_TRUE(other.execute("delete from moves"));
    EXPECT_TRUE(other.execute("delete from role"));
    EXPECT_TRUE(other.execute("delete from game"));
    EXPECT_TRUE(other.execute("commit"));
    return true;
  });
  ASSERT_EQ(importBytes(arenaFile(sampleBlock(3))), ImportProblem::None);
  EXPECT_EQ(prompts_.questions(), std::vector<std::string>{shared_texts::kReuseGameQuestion}) << "asked once";
  const RecordId arena = gameId("Arena");
  EXPECT_NE(arena, old) << "the game that vanished meanwhile is created again";
  EXPECT_EQ(dumpGame(arena).size(), 7u) << "with all of the file";
  EXPECT_EQ(selected(games_), "Arena");
}

// Another program adds the file's game just before the import takes the lock.
TEST_F(ImportTest, AGameThatAppearsBeforeTheLockIsAskedAboutOutsideIt) {
  struct Intruder {
    Store other;
    bool done = false;
  } intruder{Store(store_.path())};
  ASSERT_TRUE(intruder.other.ConnectStore());
  sqlite3_trace_v2(
      file_.store().handle(), SQLITE_TRACE_STMT,
      [](unsigned, void* context, void*, void* sql) {
        auto& intruder = *static_cast<Intruder*>(context);
        if (intruder.done || std::string_view(static_cast<const char*>(sql)) != "begin immediate") return 0;
        intruder.done = true;
        EXPECT_TRUE(intruder.other.execute("insert into game(name) values('Arena')"));
        return 0;
      },
      &intruder);
  prompts_.answerAskBy([&] {
    Store other(store_.path());
    other.setBusyTimeout(std::chrono::milliseconds(0));
    EXPECT_TRUE(other.ConnectStore());
    EXPECT_TRUE(other.execute("begin immediate")) << "the import holds no lock while asking";
    EXPECT_TRUE(other.execute("rollback"));
    return true;
  });
  ASSERT_EQ(importBytes(arenaFile(sampleBlock(3))), ImportProblem::None);
  sqlite3_trace_v2(file_.store().handle(), 0, nullptr, nullptr);
  EXPECT_EQ(prompts_.questions(), std::vector<std::string>{shared_texts::kReuseGameQuestion});
  EXPECT_EQ(dump().size(), 7u) << "the file went into the game that appeared, once";
}

TEST_F(ImportTest, AGameWithoutCharactersIsAddedAndTheListsRefilled) {
  addGame("Before", {{"Old", {"Move"}}});
  catalogue_.FillGameList();
  ASSERT_EQ(importBytes(SpkBytes().name("Bare").count(0).bytes()), ImportProblem::None);
  EXPECT_EQ(selected(games_), "Bare");
  EXPECT_TRUE(characters_.entries().empty());
  EXPECT_TRUE(combos_.entries().empty());
  EXPECT_EQ(dumpGame(gameId("Bare")), std::vector<std::string>{"game Bare"});
}

TEST_F(ImportTest, AnEmptyNameEndsTheImportWithWhatCameBefore) {
  addGame("Before", {{"Old", {"Move"}}});
  catalogue_.FillGameList();
  const auto file = SpkBytes()
                        .name("Cut")
                        .count(3)
                        .name("First")
                        .count(1)
                        .combo("One", sampleBlock(1))
                        .name("Second")
                        .count(2)
                        .combo("Two", sampleBlock(2))
                        .name("")
                        .bytes();
  ASSERT_EQ(importBytes(file), ImportProblem::None);
  EXPECT_EQ(dumpGame(gameId("Cut")), (std::vector<std::string>{"game Cut", "  role First",
                                                                 "    moves One " + hex(sampleBlock(1)),
                                                                 "  role Second",
                                                                 "    moves Two " + hex(sampleBlock(2))}));
  // No refill: the lists below keep what they showed, with the added names appended.
  EXPECT_EQ(selected(games_), "Cut");
  EXPECT_EQ(texts(characters_), (std::vector<std::string>{"Old", "First", "Second"}));
  EXPECT_EQ(texts(combos_), (std::vector<std::string>{"Move", "One", "Two"}));
}

TEST_F(ImportTest, ShortDataIsFollowedByEndMarkers) {
  const std::vector<std::uint8_t> oneStep{0x40, 0, 0x80, 0x80, 0x80, 0x80, 0x10, 0};
  ASSERT_EQ(importBytes(SpkBytes()
                            .name("G")
                            .count(1)
                            .name("C")
                            .count(3)
                            .combo("Full", sampleBlock(7))
                            .combo("Short", oneStep)
                            .combo("None", {})
                            .bytes()),
            ImportProblem::None);
  const auto lines = dumpGame(gameId("G"));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[3], "    moves Short " + hex(bytesOf(blockFromBytes(oneStep.data(), oneStep.size()))))
      << "never the rest of the combo before";
  EXPECT_EQ(lines[4], "    moves None " + hex(bytesOf(emptyComboBlock())));
}

TEST_F(ImportTest, NamesFromAnotherCodePageArriveReadable) {
  ASSERT_EQ(importBytes(SpkBytes().name("Caf\xE9").count(1).name("Jos\xE9").count(0).bytes()),
            ImportProblem::None);
  EXPECT_EQ(texts(games_), std::vector<std::string>{"Caf\xC3\xA9"});
  EXPECT_EQ(texts(characters_), std::vector<std::string>{"Jos\xC3\xA9"});
}

TEST_F(ImportTest, ADamagedFileIsNamedAndChangesNothing) {
  addGame("Arena", {{"Kenji", {"Old"}}});
  catalogue_.FillGameList();
  const auto before = dump();
  auto file = arenaFile(sampleBlock(3));
  file.resize(file.size() - 1);

  EXPECT_EQ(importFile(writeFile("broken.SPK", file)).problem, ImportProblem::Damaged);
  EXPECT_EQ(prompts_.messages(), std::vector<std::string>{"broken.SPK is damaged or not a Strikepad 2.0 file."})
      << "found before any question is asked";
  EXPECT_EQ(dump(), before);
  EXPECT_EQ(texts(games_), std::vector<std::string>{"Arena"});
  EXPECT_EQ(texts(characters_), std::vector<std::string>{"Kenji"});
}

TEST_F(ImportTest, FilesThatCannotBeReadOrHoldNoGameChangeNothing) {
  prompts_.answerOpenFile("");
  EXPECT_FALSE(OnImportGame(catalogue_, file_).has_value());

  EXPECT_EQ(importFile(dir_ / "missing.SPK").problem, ImportProblem::CannotOpen);
  EXPECT_EQ(prompts_.notices(), std::vector<std::string>{"can not open missing.SPK (" + (dir_ / "missing.SPK").string() +
                                                         ": No such file or directory)"});

  prompts_.clearEvents();
  EXPECT_EQ(importBytes({}), ImportProblem::NoGame);
  EXPECT_EQ(importBytes(SpkBytes().name("").count(1).name("C").count(0).bytes()), ImportProblem::NoGame);
  EXPECT_TRUE(prompts_.messages().empty());
  EXPECT_TRUE(dump().empty());
}

TEST_F(ImportTest, AStoreFailureUndoesTheWholeImport) {
  addGame("Before", {{"Old", {"Move"}}});
  catalogue_.FillGameList();
  const auto before = dump();
  // Another program's index fails on the combo Spin (its value overflows).
  ASSERT_TRUE(store_.execute("create index refuse on moves(abs(-9223372036854775808 + 0 * roleid)) where name='Spin'"));

  EXPECT_EQ(importBytes(arenaFile(sampleBlock(3))), ImportProblem::StoreFailed);
  EXPECT_EQ(prompts_.warnings().size(), 1u) << "the store's own report";
  EXPECT_EQ(dump(), before) << "Arena, Kenji and his combos were undone";
  EXPECT_EQ(texts(games_), std::vector<std::string>{"Before"});
  EXPECT_EQ(texts(characters_), std::vector<std::string>{"Old"});
  EXPECT_EQ(texts(combos_), std::vector<std::string>{"Move"});
}

}  // namespace
}  // namespace strikepad
