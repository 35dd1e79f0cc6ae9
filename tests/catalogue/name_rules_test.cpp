// Names compare with full Unicode case folding wherever they meet, and catalogue files made
// before the parent references (or without case-blind columns) keep working.

#include "catalogue_fixture.h"
#include "store/sqlite_handles.h"

namespace strikepad {
namespace {

TEST(FindString, ComparesNamesWithFullCaseFolding) {
  VectorPickList list;
  for (const char* name : {"Zangief", "Évolution", "Straße"}) list.append(name, 1);
  EXPECT_EQ(findString(list, "ÉVOLUTION"), 1);
  EXPECT_EQ(findString(list, "évo"), 1);
  EXPECT_EQ(findString(list, "STRASSE"), 2);
  EXPECT_EQ(findString(list, "Straẞe"), 2);
  EXPECT_EQ(findString(list, "Evolution"), -1) << "an accent is not a letter case";
}

// The layout of files made before the parent references, here also without collate nocase.
class EarlierLayout : public CatalogueTest {
 protected:
  void SetUp() override {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open_v2(store_.path().c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
              SQLITE_OK);
    const ConnectionHandle db(raw);
    ASSERT_EQ(sqlite3_exec(db.get(),
                           "create table game(id integer primary key autoincrement, name text);"
                           "create table role(id integer primary key autoincrement, name text, gameid integer);"
                           "create table moves(id integer primary key autoincrement, name text, roleid integer,"
                           " data blob);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    ASSERT_TRUE(store_.ConnectStore());
  }
};

TEST_F(EarlierLayout, OpensAndWorksWithNamesComparedByCaseFolding) {
  const RecordId game = addGame("Tekken", {{"Évolution", {"Straße"}}});
  EXPECT_EQ(told(catalogue_.StoreNewGame("TEKKEN")).kind, StoreResult::Kind::NameTaken);
  EXPECT_EQ(told(addCharacter(file_, game, "évolution")).outcome, Outcome::NameTaken);
  EXPECT_EQ(addCombo("STRASSE", 1), -1);
  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>(3, "This key name is always exist.")));

  EXPECT_TRUE(renameCharacter(file_, 1, "ÉVOLUTION").done());
  EXPECT_GT(addCharacter(file_, game, "Ärger").id, 0);
  EXPECT_EQ(renameCharacter(file_, 2, "évolution").outcome, Outcome::NameTaken);
  EXPECT_EQ(stored("role"), (std::vector<std::string>{"ÉVOLUTION", "Ärger"}));

  EXPECT_EQ(deleteGame(file_, game).outcome, Outcome::Done);
  EXPECT_TRUE(stored("game").empty());
  EXPECT_TRUE(stored("role").empty());
  EXPECT_TRUE(stored("moves").empty());
}

}  // namespace
}  // namespace strikepad
