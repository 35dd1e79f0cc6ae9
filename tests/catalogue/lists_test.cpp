// The three lists and their cascade from games to characters to combos.

#include <filesystem>
#include <fstream>

#include "catalogue_fixture.h"
#include "store/transaction.h"

namespace strikepad {
namespace {

using Lists = CatalogueTest;

TEST_F(Lists, EmptyCatalogueLeavesAllThreeListsEmptyWithoutSelection) {
  catalogue_.FillGameList();
  EXPECT_EQ(games_.count(), 0);
  EXPECT_EQ(characters_.count(), 0);
  EXPECT_EQ(combos_.count(), 0);
  EXPECT_FALSE(games_.hasSelection());
  EXPECT_TRUE(prompts_.events().empty());
}

TEST_F(Lists, FillSelectsTheFirstOfEachLevelAndCascades) {
  const RecordId tekken = addGame("Tekken", {{"Jin", {"EWGF", "Electric"}}, {"Kazuya", {"Demon"}}});
  addGame("Arcana", {{"Heart", {"Love"}}});
  catalogue_.FillGameList();

  EXPECT_EQ(texts(games_), (std::vector<std::string>{"Tekken", "Arcana"}));
  EXPECT_EQ(games_.id(0), tekken);
  EXPECT_EQ(selected(games_), "Tekken");
  EXPECT_EQ(texts(characters_), (std::vector<std::string>{"Jin", "Kazuya"}));
  EXPECT_EQ(selected(characters_), "Jin");
  EXPECT_EQ(texts(combos_), (std::vector<std::string>{"EWGF", "Electric"}));
  EXPECT_EQ(selected(combos_), "EWGF");

  games_.select(1);
  catalogue_.FillCharacterList();
  EXPECT_EQ(texts(characters_), (std::vector<std::string>{"Heart"}));
  EXPECT_EQ(texts(combos_), (std::vector<std::string>{"Love"}));
}

// Rows are added at the end of the file, so with its last page overwritten a read fails after
// it has met most of the games: the list must not show those as all there is.
TEST_F(Lists, AListWhoseReadFailsHalfWayStaysEmpty) {
  {
    Transaction transaction(store_);
    for (int i = 0; i < 3000; ++i)
      ASSERT_TRUE(store_.execute("insert into game(name) values(?)", {"Game number " + std::to_string(i) + " of many"}));
    ASSERT_TRUE(transaction.commit());
  }
  store_.close();
  const auto size = std::filesystem::file_size(store_.path());
  std::fstream(store_.path(), std::ios::binary | std::ios::in | std::ios::out)
          .seekp(static_cast<std::streamoff>(size - 4096))
      << std::string(4096, '\xff');
  ASSERT_TRUE(store_.ConnectStore());

  catalogue_.FillGameList();
  EXPECT_EQ(games_.count(), 0);
  EXPECT_EQ(prompts_.warnings(), std::vector<std::string>{"error Information:database disk image is malformed(b)"});
}

TEST_F(Lists, GameWithoutCharactersAndCharacterWithoutCombos) {
  addGame("Empty");
  addGame("Lonely", {{"Nobody", {}}});
  catalogue_.FillGameList();
  EXPECT_EQ(characters_.count(), 0);
  EXPECT_EQ(combos_.count(), 0);

  games_.select(1);
  catalogue_.FillCharacterList();
  EXPECT_EQ(selected(characters_), "Nobody");
  EXPECT_EQ(combos_.count(), 0);
  EXPECT_FALSE(combos_.hasSelection());
}

TEST_F(Lists, EachEntryCarriesItsOwnRecordEvenWithEqualNames) {
  // Two equal names can only come from outside the tool; both are listed.
  for (int i = 0; i < 2; ++i) {
    auto games = store_.OpenRecordset("game");
    games->addNew();
    games->setValue("name", std::string("Twin"));
    ASSERT_TRUE(games->update());
  }
  catalogue_.FillGameList();
  ASSERT_EQ(texts(games_), (std::vector<std::string>{"Twin", "Twin"}));
  EXPECT_NE(games_.id(0), games_.id(1));
}

TEST_F(Lists, RefillSelectsTheFirstGameAgain) {
  addGame("One");
  addGame("Two", {{"Second", {}}});
  catalogue_.FillGameList();
  games_.select(1);
  catalogue_.FillGameList();
  EXPECT_EQ(selected(games_), "One");
  EXPECT_EQ(characters_.count(), 0);
}

}  // namespace
}  // namespace strikepad
