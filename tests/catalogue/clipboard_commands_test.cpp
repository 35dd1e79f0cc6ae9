// Copy and Paste of a combo in the window's flow: what a paste asks, in which order, and what
// it stores under the selected character.

#include "catalogue_fixture.h"
#include "flows/clipboard_flows.h"

namespace strikepad {
namespace {

using Kind = testing::ScriptedPrompts::Kind;

class ClipboardCommands : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    addGame("Game", {{"Ryu", {"Hadoken"}}});
    catalogue_.FillGameList();
  }
};

TEST_F(ClipboardCommands, PasteAsksTheNameAsAddDoesAndStoresTheBlockUnderTheCharacter) {
  const std::optional<ClipboardCombo> copied = OnCopyCombo(catalogue_);
  ASSERT_TRUE(copied);
  prompts_.answerName("Hadoken");
  prompts_.answerName("Shoryuken");
  OnPasteCombo(catalogue_, *copied);
  OnPasteCombo(catalogue_, *copied);
  ASSERT_EQ(prompts_.events().size(), 3u);
  EXPECT_EQ(prompts_.events()[0].text, "Input Ultra/Super Combos Name");
  EXPECT_EQ(prompts_.events()[0].caption, "Ultra/Super Combos Name");
  EXPECT_EQ(prompts_.events()[1].text, "This key name is always exist.");
  EXPECT_EQ(texts(combos_), (std::vector<std::string>{"Hadoken", "Shoryuken"}));
  EXPECT_EQ(selected(combos_), "Shoryuken");
  EXPECT_EQ(testing::storedData(catalogue_, combos_.selectedId()), copied->bytes);
}

TEST_F(ClipboardCommands, TextWithAnErrorIsToldAndNothingIsAskedOrStored) {
  OnPasteCombo(catalogue_, {"100 up\nlunch at noon?", std::nullopt});
  EXPECT_EQ(prompts_.messages(), (std::vector<std::string>{"Nothing pasted: time error in line 2."}));
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"Hadoken"}));
}

TEST_F(ClipboardCommands, TextWithWarningsAsksBeforeTheNameAndNoStoresNothing) {
  prompts_.answerAsk(false);
  OnPasteCombo(catalogue_, {"70000 up", std::nullopt});
  ASSERT_EQ(prompts_.events().size(), 1u);
  EXPECT_EQ(prompts_.events()[0].kind, Kind::Ask);
  EXPECT_EQ(prompts_.events()[0].text,
            "step 1: time 70000 is outside 0..65535 and is stored as 4464\n\nStore the combo with these values?");
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"Hadoken"}));
}

}  // namespace
}  // namespace strikepad
