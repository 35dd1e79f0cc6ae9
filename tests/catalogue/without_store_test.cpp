// A catalogue whose file could not be opened: one report at start, then silence.

#include "catalogue_fixture.h"

namespace strikepad {
namespace {

TEST(WithoutStore, MissingFileGivesOneReportEmptyListsAndSilentCommands) {
  testing::TempDir dir;
  testing::ScriptedPrompts prompts;
  testing::CatalogueHarness harness(dir / "sp.dat", prompts);
  Store& store = harness.store;
  Catalogue& catalogue = harness.catalogue;
  const VectorPickList& games = harness.games;

  EXPECT_FALSE(store.ConnectStore());
  catalogue.FillGameList();
  prompts.answerName("New Game");
  catalogue.OnAddGame();
  catalogue.OnAddCharacter();
  catalogue.OnDeleteGame();
  catalogue.OnRenameCombo();
  const ComboBlock block = emptyComboBlock();
  EXPECT_EQ(catalogue.StoreNewCombo("x", 1, block.data(), block.size()).kind, StoreResult::Kind::NotStored);
  EXPECT_EQ(renameGame(catalogue.file(), 1, "y").outcome, Outcome::NotFound);

  EXPECT_EQ(prompts.messages(), (std::vector<std::string>{"error Information:unable to open database file(e)",
                                                          "Game list is empty."}));
  EXPECT_EQ(games.count(), 0);
  EXPECT_FALSE(std::filesystem::exists(dir / "sp.dat"));
}

}  // namespace
}  // namespace strikepad
