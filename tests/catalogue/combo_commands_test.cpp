// Storing, deleting and renaming combos, their data, and a new combo from a script.

#include "catalogue_fixture.h"

namespace strikepad {
namespace {

using ComboCommands = CatalogueTest;

TEST_F(ComboCommands, StoredBlockIsReadBackWholeAndReplaced) {
  addGame("Game", {{"Ryu", {}}});
  const RecordId ryu = 1;
  const RecordId id = addCombo("Hadoken", ryu, 0x10);
  ASSERT_GT(id, 0);
  EXPECT_EQ(testing::storedData(catalogue_, id), bytesOf(blockWith(0x10)));

  const ComboBlock other = blockWith(0x20);
  EXPECT_EQ(catalogue_.ReplaceComboData(id, other.data(), other.size()), 1);
  EXPECT_EQ(testing::storedData(catalogue_, id), bytesOf(other));
  EXPECT_EQ(catalogue_.ReplaceComboData(id + 1, other.data(), other.size()), 0);
  EXPECT_EQ(testing::storedData(catalogue_, id + 1), std::nullopt);
}

TEST_F(ComboCommands, DuplicateIsRefusedUnderOneCharacterOnlyAndKeepsTheOldBlock) {
  addGame("Game", {{"Ryu", {}}, {"Ken", {}}});
  const RecordId first = addCombo("Hadoken", 1, 0x10);
  EXPECT_EQ(addCombo("HADOKEN", 1, 0x20), -1);
  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>{"This key name is always exist."}));
  EXPECT_EQ((*testing::storedData(catalogue_, first))[0], 0x10);
  EXPECT_GT(addCombo("Hadoken", 2), 0);
}

TEST_F(ComboCommands, DeleteAsksWithItsOwnCaptionAndSelectsTheFirstRemaining) {
  addGame("Game", {{"Ryu", {"a", "b", "c"}}});
  catalogue_.FillGameList();
  combos_.select(2);
  prompts_.answerAsk(true);
  catalogue_.OnDeleteCombo();
  ASSERT_EQ(prompts_.events().size(), 1u);
  EXPECT_EQ(prompts_.events()[0].text, "do you want to delete Ultra/Super Combos: c");
  EXPECT_EQ(prompts_.events()[0].caption, "Warning");
  EXPECT_EQ(texts(combos_), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(selected(combos_), "a");

  prompts_.answerAsk(false);
  catalogue_.OnDeleteCombo();
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"a", "b"}));
}

TEST_F(ComboCommands, DeletingTheOnlyComboLeavesAnEmptyListWithTheCharacterSelected) {
  addGame("Game", {{"Ryu", {"only"}}});
  catalogue_.FillGameList();
  prompts_.answerAsk(true);
  catalogue_.OnDeleteCombo();
  EXPECT_EQ(combos_.count(), 0);
  EXPECT_FALSE(combos_.hasSelection());
  EXPECT_EQ(selected(characters_), "Ryu");
}

TEST_F(ComboCommands, RenameRefusesItsOwnNameAndSelectsTheRenamedCombo) {
  addGame("Game", {{"Ryu", {"Hadoken", "Tatsu"}}});
  catalogue_.FillGameList();
  combos_.select(1);
  prompts_.answerName("Tatsu");
  catalogue_.OnRenameCombo();
  EXPECT_EQ(prompts_.events()[0].text, "Input Ultra/Super Combos Name");
  EXPECT_EQ(prompts_.events()[0].caption, "Tatsu");
  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>{"This key name is always exist."}));
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"Hadoken", "Tatsu"}));

  prompts_.answerName("Tatsumaki");
  catalogue_.OnRenameCombo();
  EXPECT_EQ(texts(combos_), (std::vector<std::string>{"Hadoken", "Tatsumaki"}));
  EXPECT_EQ(selected(combos_), "Tatsumaki");

  prompts_.answerName("");
  catalogue_.OnRenameCombo();
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"Hadoken", "Tatsumaki"}));
}

TEST_F(ComboCommands, UnknownIdDeletesNothingAndRenamesNothingSilently) {
  addGame("Game", {{"Ryu", {"Hadoken"}}});
  deleteCombo(file_, 777);
  EXPECT_EQ(renameCombo(file_, 777, "x").outcome, Outcome::NotFound);
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"Hadoken"}));
  EXPECT_TRUE(prompts_.events().empty());
}

TEST_F(ComboCommands, NameWithAQuoteIsAnOrdinaryName) {
  addGame("Game", {{"Ryu", {}}});
  const RecordId id = addCombo("Ryu's Combo", 1);
  ASSERT_GT(id, 0);
  EXPECT_EQ(addCombo("RYU'S COMBO", 1), -1);
  EXPECT_TRUE(renameCombo(file_, id, "Ryu's Other' Combo").done());
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"Ryu's Other' Combo"}));
  deleteCombo(file_, id);
  EXPECT_TRUE(stored("moves").empty());
  EXPECT_TRUE(prompts_.warnings().empty());
}

class NewComboFromScript : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    addGame("Game", {{"Ryu", {"Hadoken"}}});
    catalogue_.FillGameList();
  }
};

TEST_F(NewComboFromScript, NeedsACharacterListAndASelectedCharacter) {
  addGame("Empty");
  games_.select(1);
  catalogue_.FillCharacterList();
  catalogue_.OnNewComboFromScript();
  games_.select(0);
  catalogue_.FillCharacterList();
  characters_.select(-1);
  catalogue_.OnNewComboFromScript();
  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>{"Character list is empty", "Select a role at first"}));
}

TEST_F(NewComboFromScript, StoresTheWholeBlockUnderTheNameAndSelectsIt) {
  prompts_.answerScript(blockWith(0x42));
  prompts_.answerName("Shinku");
  catalogue_.OnNewComboFromScript();
  EXPECT_EQ(prompts_.events()[1].text, "Input Ultra/Super Combos Name");
  EXPECT_EQ(prompts_.events()[1].caption, "Ultra/Super Combos Name");
  EXPECT_EQ(texts(combos_), (std::vector<std::string>{"Hadoken", "Shinku"}));
  EXPECT_EQ(selected(combos_), "Shinku");
  const auto data = testing::storedData(catalogue_, combos_.selectedId());
  ASSERT_TRUE(data);
  EXPECT_EQ(*data, bytesOf(blockWith(0x42)));
}

TEST_F(NewComboFromScript, ClosedEditorOrEmptyScriptAsksForNoName) {
  prompts_.answerScript(std::nullopt);
  catalogue_.OnNewComboFromScript();
  prompts_.answerScript(emptyComboBlock());
  catalogue_.OnNewComboFromScript();
  EXPECT_TRUE(prompts_.texts(testing::ScriptedPrompts::Kind::AskName).empty());
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"Hadoken"}));
}

TEST_F(NewComboFromScript, TakenNameSelectsTheExistingCombo) {
  addCombo("Tatsu", 1);
  catalogue_.FillComboList();
  prompts_.answerScript(blockWith(0x42));
  prompts_.answerName("hadoken");
  catalogue_.OnNewComboFromScript();
  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>{"This key name is always exist."}));
  EXPECT_EQ(selected(combos_), "Hadoken");
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"Hadoken", "Tatsu"}));
}

TEST_F(NewComboFromScript, AnAcceptedScriptLeftWithoutANameIsOfferedAgainUntilStored) {
  prompts_.answerScript(blockWith(0x42));
  prompts_.answerName("");
  catalogue_.OnNewComboFromScript();
  prompts_.answerScript(std::nullopt);
  catalogue_.OnNewComboFromScript();
  prompts_.answerScript(blockWith(0x43));
  prompts_.answerName("Shinku");
  catalogue_.OnNewComboFromScript();
  prompts_.answerScript(std::nullopt);
  catalogue_.OnNewComboFromScript();

  ASSERT_EQ(prompts_.scriptsOpened.size(), 4u);
  EXPECT_TRUE(isEmptyCombo(prompts_.scriptsOpened[0]));
  EXPECT_EQ(prompts_.scriptsOpened[1], blockWith(0x42));
  EXPECT_EQ(prompts_.scriptsOpened[2], blockWith(0x42));
  EXPECT_TRUE(isEmptyCombo(prompts_.scriptsOpened[3]));
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"Hadoken", "Shinku"}));
}

TEST_F(ComboCommands, EditStoresTheEditedBlockInTheSameRecordOnOkOnly) {
  addGame("Game", {{"Ryu", {"Hadoken", "Tatsu"}}});
  catalogue_.FillGameList();
  combos_.select(1);
  const RecordId tatsu = combos_.selectedId();
  prompts_.answerScript(std::nullopt);
  catalogue_.OnEditCombo();
  EXPECT_EQ(testing::storedData(catalogue_, tatsu), bytesOf(blockWith(1)));

  prompts_.answerScript(blockWith(0x42));
  catalogue_.OnEditCombo();
  EXPECT_EQ(prompts_.scriptsOpened, (std::vector<ComboBlock>{blockWith(1), blockWith(1)}));
  EXPECT_EQ(testing::storedData(catalogue_, tatsu), bytesOf(blockWith(0x42)));
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"Hadoken", "Tatsu"}));
  EXPECT_EQ(selected(combos_), "Tatsu");
  EXPECT_TRUE(prompts_.notices().empty());
}

TEST_F(ComboCommands, EditLeavesTheRecordAsItIsWhenOkGivesTheBlockBackUnchanged) {
  addGame("Game", {{"Ryu", {}}});
  const std::vector<std::uint8_t> shortData{0x10, 0x00, 0x80, 0x80, 0x80, 0x80, 100, 0};  // one step, no marker
  const RecordId id = catalogue_.StoreNewCombo("Hadoken", 1, shortData.data(), shortData.size()).id;
  catalogue_.FillGameList();
  combos_.select(0);
  prompts_.answerScriptBy([this] { return prompts_.scriptsOpened.back(); });
  catalogue_.OnEditCombo();
  EXPECT_EQ(testing::storedData(catalogue_, id), shortData) << "not padded to a whole block";
}

}  // namespace
}  // namespace strikepad
