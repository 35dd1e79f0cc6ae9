// The catalogue file through Store, Recordset and Transaction, on real files.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "store/schema.h"
#include "store/store.h"
#include "store/transaction.h"
#include "file_size_limit.h"
#include "temp_dir.h"

namespace strikepad {
namespace {

using testing::FileSizeLimit;
using testing::TempDir;

class StoreTest : public ::testing::Test {
 protected:
  StoreTest() : path_(dir_ / "sp.dat"), store_(path_, [this](const std::string& text) { reports_.push_back(text); }) {}

  void SetUp() override {
    std::string message;
    ASSERT_TRUE(createCatalogue(path_, message)) << message;
    ASSERT_TRUE(store_.ConnectStore());
  }

  std::int64_t addGame(const std::string& name) {
    auto games = store_.OpenRecordset("game");
    games->addNew();
    games->setValue("name", name);
    EXPECT_TRUE(games->update());
    return toInteger(games->collect("id"));
  }

  std::vector<std::string> gameNames(std::string_view filter = {}, std::vector<FieldValue> params = {}) {
    std::vector<std::string> names;
    auto games = store_.OpenRecordset("game", filter, std::move(params));
    for (; !games->atEnd(); games->moveNext()) names.push_back(games->text("name"));
    return names;
  }

  TempDir dir_;
  std::filesystem::path path_;
  std::vector<std::string> reports_;
  Store store_;
};

TEST(StoreErrorReport, ShowsTheEngineMessageAndTheCodeInLowerCaseHex) {
  EXPECT_EQ(formatStoreError("file is not a database", 26), "error Information:file is not a database(1a)");
  EXPECT_EQ(formatStoreError("disk I/O error", 0x10a), "error Information:disk I/O error(10a)");
}

// A stored value a program did not write (a row number near 2^63, a time that is not a number)
// is refused where it must be exact, and never cast beyond the range.
TEST(FieldValues, AWholeNumberIsReadExactlyOrRefused) {
  constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
  EXPECT_EQ(wholeNumber(FieldValue{kLargest}), kLargest);
  EXPECT_EQ(wholeNumber(FieldValue{-4.0}), -4);
  EXPECT_EQ(wholeNumber(FieldValue{std::string("1765112400")}), 1765112400);
  for (const FieldValue& refused : {FieldValue{0x1p63}, FieldValue{-0x1p64}, FieldValue{std::nan("")}, FieldValue{2.5},
                                    FieldValue{std::string("soon")}, FieldValue{std::string("12 o'clock")},
                                    FieldValue{std::string("99999999999999999999")}, FieldValue{}})
    EXPECT_EQ(wholeNumber(refused), std::nullopt) << toText(refused);
  EXPECT_EQ(toInteger(FieldValue{9.3e18}), 0);
}

TEST(CreateCatalogue, NeverTouchesAnExistingFile) {
  TempDir dir;
  const auto path = dir / "sp.dat";
  std::ofstream(path) << "precious";
  std::string message;
  EXPECT_FALSE(createCatalogue(path, message));
  EXPECT_NE(message.find("already exists"), std::string::npos);
  std::ifstream in(path);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "precious");
}

TEST(CreateCatalogue, LeavesNoFileWhenItCannotCreateOne) {
  TempDir dir;
  std::string message;
  EXPECT_FALSE(createCatalogue(dir / "no-such-folder" / "sp.dat", message));
  EXPECT_FALSE(message.empty());
}

TEST(CreateCatalogue, OneCutShortLeavesNoFileAtAll) {
  TempDir dir;
  std::string message;
  {
    FileSizeLimit diskFull(1024);  // an empty catalogue takes several pages of 4 kB
    EXPECT_FALSE(createCatalogue(dir / "sp.dat", message));
  }
  EXPECT_FALSE(message.empty());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "neither a half-made sp.dat nor a temporary file";
}

struct BrokenFile {
  const char* what;
  const char* contents;  // nullptr: no file at all
  const char* expectedReport;
};

class ConnectStoreFailure : public ::testing::TestWithParam<BrokenFile> {};

TEST_P(ConnectStoreFailure, ReportsOnceAtStartThenStaysSilent) {
  TempDir dir;
  const auto path = dir / "sp.dat";
  if (GetParam().contents) std::ofstream(path, std::ios::binary) << GetParam().contents;
  std::vector<std::string> reports;
  Store store(path, [&](const std::string& text) { reports.push_back(text); });

  EXPECT_FALSE(store.ConnectStore());
  EXPECT_FALSE(store.isOpen());
  EXPECT_FALSE(store.OpenRecordset("game").has_value());
  EXPECT_FALSE(Transaction(store).active());
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], GetParam().expectedReport);
  EXPECT_EQ(std::filesystem::exists(path), GetParam().contents != nullptr) << "never creates the file";
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConnectStoreFailure,
    ::testing::Values(BrokenFile{"missing", nullptr, "error Information:unable to open database file(e)"},
                      BrokenFile{"notADatabase", "this is not a catalogue, just some text in a file\n",
                                 "error Information:file is not a database(1a)"},
                      BrokenFile{"emptyDatabase", "", "error Information:no such table: game(1)"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(StoreTest, DatabaseWithoutTheMovesTableIsNotACatalogue) {
  ASSERT_TRUE(store_.execute("drop table moves"));
  store_.close();
  EXPECT_FALSE(store_.ConnectStore());
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_EQ(reports_[0], "error Information:no such table: moves(1)");
}

TEST_F(StoreTest, EmptyResultIsAtEndAtOnce) {
  auto games = store_.OpenRecordset("game");
  ASSERT_TRUE(games);
  EXPECT_TRUE(games->atEnd());
  EXPECT_EQ(games->recordCount(), 0u);
}

TEST_F(StoreTest, RecordsComeInTheOrderTheyWereAdded) {
  const std::int64_t first = addGame("Tekken");
  const std::int64_t second = addGame("Arcana");
  const std::int64_t third = addGame("Melty Blood");
  EXPECT_GT(first, 0);
  EXPECT_LT(first, second);
  EXPECT_LT(second, third);
  EXPECT_EQ(gameNames(), (std::vector<std::string>{"Tekken", "Arcana", "Melty Blood"}));
}

TEST_F(StoreTest, NamesCompareWithoutRegardToCaseAndAreBoundAsTheyStand) {
  addGame("Ryu's Combo");
  addGame("x' or '1'='1");
  EXPECT_EQ(gameNames("name=?", {std::string("RYU'S COMBO")}), (std::vector<std::string>{"Ryu's Combo"}));
  EXPECT_EQ(gameNames("name=?", {std::string("x' OR '1'='1")}), (std::vector<std::string>{"x' or '1'='1"}));
  EXPECT_TRUE(reports_.empty());
}

TEST_F(StoreTest, TheNameFoldCollationMatchesNamesAsTheCatalogueComparesThem) {
  addGame("Évolution");
  addGame("Straße");
  EXPECT_EQ(gameNames("name=? collate name_fold", {std::string("ÉVOLUTION")}),
            (std::vector<std::string>{"Évolution"}));
  EXPECT_EQ(gameNames("name=? collate name_fold", {std::string("STRASSE")}), (std::vector<std::string>{"Straße"}));
}

TEST_F(StoreTest, ANewCatalogueRefusesARecordWhoseParentIsGone) {
  const std::int64_t game = addGame("Tekken");
  ASSERT_TRUE(store_.execute("delete from game where id=?", {game}));
  auto roles = store_.OpenRecordset("role");
  roles->addNew();
  roles->setValue("gameid", game);
  roles->setValue("name", std::string("Jin"));
  EXPECT_FALSE(roles->update());
  EXPECT_EQ(reports_, (std::vector<std::string>{"error Information:FOREIGN KEY constraint failed(313)"}));
}

TEST_F(StoreTest, FiftyCharacterNamesOfAnyScriptComeBackUnchanged) {
  const std::vector<std::string> names = {
      std::string(50, 'W'),
      "ÀÉÎÕÜàéîõüçñßÆØÅæøåŒœŸÿĀāĒēĪīŌōŪūǕǖ ÁÍÓÚáíóúÑÇ",
      "真空波動拳昇龍拳竜巻旋風脚灼熱波動拳真昇龍拳滅殺豪波動滅殺豪昇龍天魔空刃脚瞬獄殺禊金剛國裂斬天衝海轟刃豪鬼春麗",
      "🔥👊⚡🥋🎮🕹️💥🌀🐉⭐🔥👊⚡🥋🎮💥🌀🐉⭐🔥👊⚡🥋🎮💥🌀🐉⭐🔥👊⚡🥋🎮💥🌀🐉⭐🔥👊⚡🥋🎮💥🌀🐉",
  };
  for (const auto& name : names) addGame(name);
  EXPECT_EQ(gameNames(), names);
}

TEST_F(StoreTest, DataIsReadBackWithExactlyTheStoredBytes) {
  Bytes block(360);
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i * 7);
  ASSERT_TRUE(store_.execute("insert into role(name, gameid) values('Ryu', ?)", {addGame("Game")}));
  auto moves = store_.OpenRecordset("moves");
  moves->addNew();
  moves->setValue("roleid", std::int64_t{1});
  moves->setValue("name", std::string("full"));
  moves->appendChunk("data", block);
  ASSERT_TRUE(moves->update());
  moves->addNew();
  moves->setValue("name", std::string("empty"));
  moves->appendChunk("data", {});
  ASSERT_TRUE(moves->update());

  auto read = store_.OpenRecordset("moves");
  EXPECT_EQ(read->actualSize("data"), 360u);
  EXPECT_EQ(read->getChunk("data", 360), block);
  read->moveNext();
  EXPECT_EQ(read->actualSize("data"), 0u);
}

TEST_F(StoreTest, AWalkHoldsItsRecordsWhileAnotherSetDeletesThem) {
  for (const char* name : {"a", "b", "c"}) addGame(name);
  auto walk = store_.OpenRecordset("game");
  ASSERT_EQ(walk->recordCount(), 3u);
  std::vector<std::string> seen;
  for (; !walk->atEnd(); walk->moveNext()) {
    seen.push_back(walk->text("name"));
    auto one = store_.OpenRecordset("game", "id=?", {toInteger(walk->collect("id"))});
    EXPECT_TRUE(one->deleteCurrent());
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_TRUE(gameNames().empty());
}

TEST_F(StoreTest, ChangedFieldIsWrittenByUpdate) {
  const std::int64_t id = addGame("old");
  auto game = store_.OpenRecordset("game", "id=?", {std::int64_t{id}});
  game->setValue("name", std::string("new"));
  ASSERT_TRUE(game->update());
  EXPECT_EQ(game->text("name"), "new") << "the record set holds what it wrote";
  EXPECT_EQ(gameNames(), (std::vector<std::string>{"new"}));
}

// Rows are added at the end of the file, so its last page holds the last of them: with that page
// overwritten, a read fails after it has met most of the rows. What it met must not pass for all.
TEST_F(StoreTest, AReadThatFailsHalfWayIsReportedAndHoldsNoRows) {
  {
    Transaction transaction(store_);
    for (int i = 0; i < 3000; ++i) addGame("Game number " + std::to_string(i) + " with a longer name");
    ASSERT_TRUE(transaction.commit());
  }
  store_.close();
  const auto size = std::filesystem::file_size(path_);
  std::fstream(path_, std::ios::binary | std::ios::in | std::ios::out).seekp(static_cast<std::streamoff>(size - 4096)) << std::string(4096, '\xff');
  ASSERT_TRUE(store_.ConnectStore());

  std::size_t handedOver = 0;
  EXPECT_FALSE(store_.forEachName("game", {}, {}, [&](std::int64_t, std::string_view) { ++handedOver; }));
  EXPECT_GT(handedOver, 0u) << "the read failed half-way, not at once";
  auto games = store_.OpenRecordset("game");
  EXPECT_TRUE(games->failed());
  EXPECT_TRUE(games->atEnd());
  EXPECT_EQ(reports_, std::vector<std::string>(2, "error Information:database disk image is malformed(b)"));
}

TEST_F(StoreTest, TransactionUndoesItsWritesUnlessCommitted) {
  {
    Transaction transaction(store_);
    ASSERT_TRUE(transaction.active());
    addGame("undone");
  }
  {
    Transaction transaction(store_);
    addGame("kept");
    EXPECT_TRUE(transaction.commit());
  }
  EXPECT_EQ(gameNames(), (std::vector<std::string>{"kept"}));
}

TEST_F(StoreTest, InnerTransactionIsUndoneAloneInsideAnOuterOne) {
  Transaction outer(store_);
  addGame("outer");
  {
    Transaction inner(store_);
    ASSERT_TRUE(inner.active());
    addGame("inner");
  }
  {
    Transaction inner(store_);
    addGame("inner kept");
    EXPECT_TRUE(inner.commit());
  }
  EXPECT_TRUE(outer.commit());
  EXPECT_EQ(gameNames(), (std::vector<std::string>{"outer", "inner kept"}));
}

TEST_F(StoreTest, OneStatementWorkInsideAnotherTransactionIsUndoneWithIt) {
  {
    Transaction outer(store_);
    addGame("outer");
    Transaction inner(store_, Transaction::Writes::OneStatement);
    ASSERT_TRUE(inner.active());
    addGame("inner");
    EXPECT_TRUE(inner.commit());
  }
  {
    Transaction alone(store_, Transaction::Writes::OneStatement);
    ASSERT_TRUE(alone.active());
    addGame("alone, not committed");
  }
  EXPECT_TRUE(gameNames().empty());
}

TEST_F(StoreTest, ARecordSetNotYetReadKeepsItsValuesWhileTheSameQueryRunsAgain) {
  addGame("first");
  addGame("second");
  auto first = store_.OpenRecordset("game", "name=?", {std::string("first")});
  auto second = store_.OpenRecordset("game", "name=?", {std::string("second")});
  EXPECT_EQ(gameNames("name=?", {std::string("second")}), (std::vector<std::string>{"second"}));
  ASSERT_EQ(second->recordCount(), 1u);
  EXPECT_EQ(second->text("name"), "second");
  ASSERT_EQ(first->recordCount(), 1u);
  EXPECT_EQ(first->text("name"), "first");
}

TEST_F(StoreTest, AStatementThatFailedRunsAgainWithNewValues) {
  const std::int64_t id = addGame("kept");
  const std::string insert = "insert into game(id, name) values(?, ?)";
  EXPECT_FALSE(store_.execute(insert, {id, std::string("same id")}));
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_NE(reports_[0].find("UNIQUE constraint failed"), std::string::npos);
  EXPECT_TRUE(store_.execute(insert, {id + 1, std::string("new id")}));
  EXPECT_EQ(gameNames(), (std::vector<std::string>{"kept", "new id"}));
  EXPECT_EQ(reports_.size(), 1u);
}

TEST_F(StoreTest, RecordSetsOutlivingTheConnectionHoldNothingAndTheNextConnectionReads) {
  addGame("a");
  auto unread = store_.OpenRecordset("game");
  auto adding = store_.OpenRecordset("game");
  store_.close();
  EXPECT_TRUE(unread->atEnd());
  adding->addNew();
  adding->setValue("name", std::string("after close"));
  EXPECT_FALSE(adding->update());
  ASSERT_TRUE(store_.ConnectStore());
  EXPECT_EQ(gameNames(), (std::vector<std::string>{"a"}));
}

TEST_F(StoreTest, ARecordSetMayOutliveItsStore) {
  std::optional<Recordset> unread;
  {
    Store other(path_);
    ASSERT_TRUE(other.ConnectStore());
    unread = other.OpenRecordset("game");
  }
  unread.reset();
  EXPECT_TRUE(gameNames().empty());
}

TEST_F(StoreTest, AnotherProgramHoldingTheFileGetsTheReportAndNothingIsWritten) {
  addGame("before");
  sqlite3* raw = nullptr;
  ASSERT_EQ(sqlite3_open(path_.c_str(), &raw), SQLITE_OK);
  ConnectionHandle other(raw);
  ASSERT_EQ(sqlite3_exec(other.get(), "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
  store_.setBusyTimeout(std::chrono::milliseconds(0));  // no real waiting in a test

  Transaction transaction(store_);
  EXPECT_FALSE(transaction.active());
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_EQ(reports_[0], "error Information:database is locked(5)");

  sqlite3_exec(other.get(), "rollback", nullptr, nullptr, nullptr);
  EXPECT_EQ(gameNames(), (std::vector<std::string>{"before"}));
}

}  // namespace
}  // namespace strikepad
