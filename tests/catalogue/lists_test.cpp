// The three lists and their cascade from games to characters to combos.

#include "catalogue_fixture.h"

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
