// Adding, deleting and renaming games, with their characters and combos.

#include "catalogue_fixture.h"

namespace strikepad {
namespace {

using GameCommands = CatalogueTest;

TEST_F(GameCommands, AddAppendsTheGameAndSelectsItWithAnEmptyCharacterList) {
  addGame("Zeta", {{"Z", {}}});
  catalogue_.FillGameList();
  prompts_.answerName("Alpha");
  catalogue_.OnAddGame();

  ASSERT_EQ(prompts_.events().size(), 1u);
  EXPECT_EQ(prompts_.events()[0].text, "Input Game Name");
  EXPECT_EQ(prompts_.events()[0].caption, "Game Name");
  EXPECT_EQ(texts(games_), (std::vector<std::string>{"Zeta", "Alpha"}));
  EXPECT_EQ(selected(games_), "Alpha");
  EXPECT_EQ(characters_.count(), 0);
  EXPECT_EQ(stored("game"), (std::vector<std::string>{"Zeta", "Alpha"}));
}

TEST_F(GameCommands, DuplicateNameInOtherCaseIsRefusedAndTheExistingGameSelected) {
  addGame("Tekken", {{"Jin", {}}});
  addGame("Arcana");
  catalogue_.FillGameList();
  games_.select(1);
  catalogue_.FillCharacterList();
  prompts_.answerName("TEKKEN");
  catalogue_.OnAddGame();

  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>{"This key name is always exist."}));
  EXPECT_EQ(texts(games_), (std::vector<std::string>{"Tekken", "Arcana"}));
  EXPECT_EQ(selected(games_), "Tekken");
  EXPECT_EQ(texts(characters_), (std::vector<std::string>{"Jin"}));
  EXPECT_EQ(stored("game"), (std::vector<std::string>{"Tekken", "Arcana"}));
}

TEST_F(GameCommands, StoringATakenNameAsksAndShowsNothing) {
  addGame("Tekken");
  EXPECT_EQ(catalogue_.StoreNewGame("tekken").kind, StoreResult::Kind::NameTaken);
  EXPECT_TRUE(prompts_.events().empty());
  EXPECT_EQ(stored("game"), (std::vector<std::string>{"Tekken"}));
}

TEST_F(GameCommands, EmptyNameChangesNothing) {
  prompts_.answerName("");
  catalogue_.OnAddGame();
  EXPECT_TRUE(stored("game").empty());
  EXPECT_EQ(games_.count(), 0);
}

TEST_F(GameCommands, DeleteRemovesTheGameWithAllItsCharactersAndCombosOnly) {
  const RecordId doomed = addGame("Doomed", {{"A", {"a1", "a2"}}, {"B", {"b1", "b2"}}, {"C", {"c1", "c2"}}});
  const RecordId kept = addGame("Kept", {{"K", {"k1"}}});
  catalogue_.FillGameList();
  prompts_.answerAsk(true);
  catalogue_.OnDeleteGame();

  EXPECT_EQ(prompts_.questions(), (std::vector<std::string>{"do you want to delete Game: Doomed"}));
  EXPECT_EQ(prompts_.events()[0].caption, "");
  EXPECT_EQ(stored("game"), (std::vector<std::string>{"Kept"}));
  EXPECT_EQ(stored("role"), (std::vector<std::string>{"K"}));
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"k1"}));
  EXPECT_TRUE(stored("role", "gameid", doomed).empty());
  EXPECT_EQ(texts(games_), (std::vector<std::string>{"Kept"}));
  EXPECT_EQ(selected(games_), "Kept");
  EXPECT_EQ(texts(characters_), (std::vector<std::string>{"K"}));
  EXPECT_EQ(games_.id(0), kept);
}

TEST_F(GameCommands, DeleteSelectsThePreviousGameOrTheNewFirst) {
  for (const char* name : {"One", "Two", "Three"}) addGame(name);
  catalogue_.FillGameList();
  games_.select(2);
  prompts_.answerAsk(true);
  catalogue_.OnDeleteGame();
  EXPECT_EQ(selected(games_), "Two");

  games_.select(0);
  prompts_.answerAsk(true);
  catalogue_.OnDeleteGame();
  EXPECT_EQ(selected(games_), "Two");

  prompts_.answerAsk(true);
  catalogue_.OnDeleteGame();
  EXPECT_EQ(games_.count(), 0);
  EXPECT_FALSE(games_.hasSelection());
  EXPECT_TRUE(stored("game").empty());
}

TEST_F(GameCommands, AnsweringNoOrHavingNoSelectionDeletesNothing) {
  addGame("Safe", {{"S", {"s"}}});
  catalogue_.FillGameList();
  prompts_.answerAsk(false);
  catalogue_.OnDeleteGame();
  games_.select(-1);
  catalogue_.OnDeleteGame();  // no question at all
  EXPECT_EQ(prompts_.questions().size(), 1u);
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"s"}));
  EXPECT_EQ(games_.count(), 1);
}

TEST_F(GameCommands, CascadeThatFailsHalfwayLeavesEverything) {
  const RecordId game = addGame("Guarded", {{"A", {"a1", "a2"}}, {"B", {"b1"}}});
  // Another program's table refers to the game record: deleting it is refused, after the
  // combos and characters.
  ASSERT_TRUE(store_.execute("create table pin(gameid integer references game(id))"));
  ASSERT_TRUE(store_.execute("insert into pin values(?)", {std::int64_t{game}}));
  catalogue_.FillGameList();
  prompts_.answerAsk(true);
  catalogue_.OnDeleteGame();

  EXPECT_EQ(prompts_.warnings(), (std::vector<std::string>{"error Information:FOREIGN KEY constraint failed(313)"}));
  EXPECT_EQ(stored("game"), (std::vector<std::string>{"Guarded"}));
  EXPECT_EQ(stored("role"), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"a1", "a2", "b1"}));
  EXPECT_EQ(texts(games_), (std::vector<std::string>{"Guarded"}));
}

TEST_F(GameCommands, RenameRefillsAndSelectsTheRenamedGame) {
  addGame("First");
  addGame("Second", {{"Two", {}}});
  catalogue_.FillGameList();
  games_.select(1);
  prompts_.answerName("Renamed");
  catalogue_.OnRenameGame();

  EXPECT_EQ(prompts_.events()[0].text, "Input Game Name");
  EXPECT_EQ(prompts_.events()[0].caption, "Second");
  EXPECT_EQ(texts(games_), (std::vector<std::string>{"First", "Renamed"}));
  EXPECT_EQ(selected(games_), "Renamed");
  EXPECT_EQ(texts(characters_), (std::vector<std::string>{"Two"}));
}

TEST_F(GameCommands, RenameToItsExactNameOrAnotherGamesNameIsRefusedButNewLetterCaseGoesThrough) {
  const RecordId first = addGame("First");
  addGame("Second");
  EXPECT_EQ(told(renameGame(file_, first, "First")).outcome, Outcome::NameTaken);
  EXPECT_EQ(told(renameGame(file_, first, "second")).outcome, Outcome::NameTaken);
  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>(2, "This key name is always exist.")));
  EXPECT_EQ(stored("game"), (std::vector<std::string>{"First", "Second"}));

  EXPECT_TRUE(told(renameGame(file_, first, "FIRST")).done());
  EXPECT_EQ(stored("game"), (std::vector<std::string>{"FIRST", "Second"}));
  EXPECT_EQ(prompts_.notices().size(), 2u);
}

TEST_F(GameCommands, RenameSelectsByPrefixWhichMayFindAnotherGame) {
  addGame("Street Fighter II");
  addGame("Street Fighter");
  addGame("Old");
  catalogue_.FillGameList();
  games_.select(2);
  prompts_.answerName("Street");
  catalogue_.OnRenameGame();
  // The search starts at the second entry: "Street Fighter" comes before "Street".
  EXPECT_EQ(selected(games_), "Street Fighter");
}

TEST_F(GameCommands, UnknownIdDeletesNothingAndRenamesNothing) {
  addGame("Only");
  deleteGame(file_, 9999);
  EXPECT_EQ(renameGame(file_, 9999, "Other").outcome, Outcome::NotFound);
  EXPECT_EQ(stored("game"), (std::vector<std::string>{"Only"}));
  EXPECT_TRUE(prompts_.events().empty());
}

}  // namespace
}  // namespace strikepad
