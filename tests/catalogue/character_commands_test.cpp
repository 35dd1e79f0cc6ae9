// Adding, deleting and renaming characters, with their combos.

#include "catalogue_fixture.h"

namespace strikepad {
namespace {

using CharacterCommands = CatalogueTest;

TEST_F(CharacterCommands, AddNeedsAGameListAndASelectedGame) {
  catalogue_.OnAddCharacter();
  addGame("Tekken");
  catalogue_.FillGameList();
  games_.select(-1);
  catalogue_.OnAddCharacter();
  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>{"Game list is empty.", "Select a game at first"}));
  EXPECT_TRUE(prompts_.texts(testing::ScriptedPrompts::Kind::AskName).empty());
}

TEST_F(CharacterCommands, AddAppendsAndSelectsTheNewCharacterWithNoCombos) {
  addGame("Tekken", {{"Jin", {"EWGF"}}});
  catalogue_.FillGameList();
  prompts_.answerName("Asuka");
  catalogue_.OnAddCharacter();

  EXPECT_EQ(prompts_.events()[0].text, "Input Character Name");
  EXPECT_EQ(prompts_.events()[0].caption, "Character Name");
  EXPECT_EQ(texts(characters_), (std::vector<std::string>{"Jin", "Asuka"}));
  EXPECT_EQ(selected(characters_), "Asuka");
  EXPECT_EQ(combos_.count(), 0);
}

TEST_F(CharacterCommands, DuplicateInTheSameGameIsRefusedButAnotherGameMayUseTheName) {
  const RecordId tekken = addGame("Tekken", {{"Jin", {"EWGF"}}, {"Kazuya", {}}});
  const RecordId other = addGame("Other");
  catalogue_.FillGameList();
  characters_.select(1);
  catalogue_.FillComboList();
  prompts_.answerName("jin");
  catalogue_.OnAddCharacter();

  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>{"This key name is always exist."}));
  EXPECT_EQ(selected(characters_), "Jin");
  EXPECT_EQ(texts(combos_), (std::vector<std::string>{"EWGF"}));
  EXPECT_EQ(stored("role", "gameid", tekken), (std::vector<std::string>{"Jin", "Kazuya"}));

  EXPECT_GT(addCharacter(file_, other, "Jin").id, 0);
  EXPECT_EQ(addCharacter(file_, other, "JIN").outcome, Outcome::NameTaken);
  EXPECT_EQ(prompts_.notices().size(), 1u) << "the operation leaves telling to its caller";
}

TEST_F(CharacterCommands, DeleteRemovesTheCharacterWithItsCombosOnly) {
  const RecordId game = addGame("Tekken", {{"Jin", {"a", "b", "c"}}, {"Kazuya", {"d"}}});
  addGame("Other", {{"Jin", {"e"}}});
  catalogue_.FillGameList();
  prompts_.answerAsk(true);
  catalogue_.OnDeleteCharacter();

  EXPECT_EQ(prompts_.questions(), (std::vector<std::string>{"do you want to delete Role: Jin"}));
  EXPECT_EQ(stored("role", "gameid", game), (std::vector<std::string>{"Kazuya"}));
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"d", "e"}));
  EXPECT_EQ(selected(characters_), "Kazuya");
  EXPECT_EQ(texts(combos_), (std::vector<std::string>{"d"}));
}

TEST_F(CharacterCommands, DeleteSelectsThePreviousCharacterAndEmptiesListsAtTheEnd) {
  addGame("Game", {{"A", {}}, {"B", {}}, {"C", {"c"}}});
  catalogue_.FillGameList();
  characters_.select(1);
  prompts_.answerAsk(true);
  catalogue_.OnDeleteCharacter();
  EXPECT_EQ(selected(characters_), "A");

  for (int i = 0; i < 2; ++i) {
    prompts_.answerAsk(true);
    catalogue_.OnDeleteCharacter();
  }
  EXPECT_EQ(characters_.count(), 0);
  EXPECT_EQ(combos_.count(), 0);
  EXPECT_TRUE(stored("moves").empty());
}

TEST_F(CharacterCommands, RenameKeepsTheUniquenessRuleWithinTheGame) {
  const RecordId game = addGame("Game", {{"Ryu", {}}, {"Ken", {"Shoryu"}}});
  catalogue_.FillGameList();
  characters_.select(1);
  prompts_.answerName("RYU");
  catalogue_.OnRenameCharacter();
  EXPECT_EQ(prompts_.events()[0].caption, "Ken");
  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>{"This key name is always exist."}));
  EXPECT_EQ(selected(characters_), "Ken");

  prompts_.answerName("Ken Masters");
  catalogue_.OnRenameCharacter();
  EXPECT_EQ(stored("role", "gameid", game), (std::vector<std::string>{"Ryu", "Ken Masters"}));
  EXPECT_EQ(selected(characters_), "Ken Masters");
  EXPECT_EQ(texts(combos_), (std::vector<std::string>{"Shoryu"}));
}

TEST_F(CharacterCommands, UnknownIdDeletesNothingAndRenamesNothingSilently) {
  addGame("Game", {{"Ryu", {"Hadoken"}}});
  deleteCharacter(file_, 4242);
  EXPECT_EQ(renameCharacter(file_, 4242, "Ryu").outcome, Outcome::NotFound);
  EXPECT_EQ(stored("role"), (std::vector<std::string>{"Ryu"}));
  EXPECT_TRUE(prompts_.events().empty());
}

}  // namespace
}  // namespace strikepad
