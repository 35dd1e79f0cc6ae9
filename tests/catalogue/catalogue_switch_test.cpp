// Turning the window to another catalogue: the lists refill from the other file, and nothing
// changes when a transfer runs or the other file does not open.

#include <gtest/gtest.h>

#include <fstream>

#include "catalogue_fixture.h"
#include "flows/catalogue_switch.h"
#include "flows/device_messages.h"

namespace strikepad::testing {
namespace {

class CatalogueSwitchTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    addGame("Street Fighter IV", {{"Ryu", {"Hadouken"}}});
    catalogue_.FillGameList();
    std::filesystem::create_directory(otherFolder_);
    std::string message;
    ASSERT_TRUE(createCatalogue(otherFolder_ / "sp.dat", message)) << message;
    CatalogueFile other(otherFolder_ / "sp.dat");
    ASSERT_TRUE(other.open().done());
    const AddResult game = strikepad::addGame(other, "Tekken 6");
    strikepad::addCombo(other, strikepad::addCharacter(other, game.id, "Jin").id, "Electric", blockWith(7));
  }

  std::vector<std::string> shownLists() {
    std::vector<std::string> shown = texts(games_);
    for (const auto* list : {&characters_, &combos_})
      for (const std::string& text : texts(*list)) shown.push_back(text);
    return shown;
  }

  bool busy_ = false;
  int switches_ = 0;
  CatalogueSwitch switch_{catalogue_, [this] { return busy_; }, [this] { ++switches_; }};
  std::filesystem::path otherFolder_ = dir_ / "other";
};

TEST_F(CatalogueSwitchTest, AFolderOpensItsCatalogueAndTheListsRefillFromIt) {
  ASSERT_TRUE(switch_.openCatalogue(otherFolder_));

  EXPECT_EQ(file_.path(), otherFolder_ / "sp.dat");
  EXPECT_EQ(shownLists(), (std::vector<std::string>{"Tekken 6", "Jin", "Electric"}));
  EXPECT_EQ(switches_, 1);
  ASSERT_EQ(prompts_.reports().size(), 1u);
  EXPECT_NE(prompts_.reports().front().find((otherFolder_ / "sp.dat").string()), std::string::npos);
  EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(CatalogueSwitchTest, WhileATransferRunsNothingIsAskedOrSwitched) {
  busy_ = true;
  switch_.OnOpenCatalogue();
  switch_.OnNewCatalogue();
  EXPECT_FALSE(switch_.openCatalogue(otherFolder_));

  EXPECT_EQ(prompts_.notices(), std::vector<std::string>(3, device_messages::kBusy));
  EXPECT_EQ(file_.path(), dir_ / "sp.dat");
  EXPECT_EQ(shownLists(), (std::vector<std::string>{"Street Fighter IV", "Ryu", "Hadouken"}));
}

TEST_F(CatalogueSwitchTest, AFileThatIsNoCatalogueLeavesTheOpenOneInUse) {
  const std::filesystem::path notes = dir_ / "notes.dat";
  std::ofstream(notes) << "not a catalogue";
  prompts_.answerOpenFile(notes.string());
  switch_.OnOpenCatalogue();

  ASSERT_EQ(prompts_.warnings().size(), 1u);
  EXPECT_NE(prompts_.warnings().front().find("notes.dat is not a strikepad catalogue"), std::string::npos);
  EXPECT_NE(prompts_.warnings().front().find("stays open"), std::string::npos);
  EXPECT_EQ(switches_, 0);
  EXPECT_EQ(file_.path(), dir_ / "sp.dat");
  EXPECT_TRUE(file_.isOpen());
  EXPECT_EQ(listGames(file_).games.size(), 1u);
}

TEST_F(CatalogueSwitchTest, ANewCatalogueIsMadeEmptyAndNeverReplacesAFile) {
  const std::filesystem::path fresh = dir_ / "fresh.dat";
  prompts_.answerSaveFile(fresh.string());
  switch_.OnNewCatalogue();
  EXPECT_EQ(file_.path(), fresh);
  EXPECT_TRUE(shownLists().empty());
  EXPECT_EQ(prompts_.lastFilter.defaultExtension, "*.dat");

  prompts_.answerSaveFile((otherFolder_ / "sp.dat").string());
  switch_.OnNewCatalogue();
  ASSERT_EQ(prompts_.warnings().size(), 1u);
  EXPECT_NE(prompts_.warnings().front().find("never replaces a file"), std::string::npos);
  EXPECT_EQ(file_.path(), fresh);
  CatalogueFile other(otherFolder_ / "sp.dat");
  ASSERT_TRUE(other.open().done());
  EXPECT_EQ(listGames(other).games.size(), 1u);
}

}  // namespace
}  // namespace strikepad::testing
