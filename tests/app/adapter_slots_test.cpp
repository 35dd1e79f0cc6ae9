// The window's "Adapter slots…" command: the five slots read as a transfer, shown one row a
// slot, and a row's choice run as the window's own DownLoad or Add.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <string>
#include <vector>

#include "app/slot_overview_dialog.h"
#include "device_commands/device_commands.h"
#include "ui_driver.h"
#include "window_fixture.h"

namespace strikepad::testing {
namespace {

class AdapterSlotsWindowTest : public WindowTest {
 protected:
  // Presses Ctrl+L and hands the overview, once shown, to `act`; the rows as they were shown.
  QStringList showOverview(std::function<void(SlotOverviewDialog&)> act) {
    QStringList rows;
    bool shown = false;
    whenModal<SlotOverviewDialog>([&](SlotOverviewDialog& dialog) {
      for (int row = 0; row < dialog.rows()->rowCount(); ++row) rows << dialog.rows()->item(row, 1)->text();
      shown = true;
      act(dialog);
    });
    QTest::keyClick(window().characterList(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(eventually([&] { return shown; }));
    EXPECT_TRUE(eventually([&] { return !window().deviceCommands().busy(); }));
    return rows;
  }
};

TEST_F(AdapterSlotsWindowTest, CtrlLShowsEachSlotAndARowDownloadsTheSelectedComboIntoIt) {
  openWindowOn(kTwoGames);
  adapter_.slot(1) = sampleBlock(3);   // Tatsumaki's
  adapter_.slot(2) = sampleBlock(77);  // no combo's
  prompts_.answerAsk(true);
  const QStringList rows = showOverview([](SlotOverviewDialog& dialog) {
    dialog.rows()->setCurrentCell(4, 0);
    dialog.downloadButton()->click();
  });
  EXPECT_EQ(rows, (QStringList{"empty", "Street Fighter IV / Ken / Tatsumaki", "not in the catalogue", "empty", "empty"}));
  ASSERT_TRUE(eventually([&] { return adapter_.slot(4) == sampleBlock(1); }));
  EXPECT_EQ(prompts_.questions(), std::vector<std::string>{"do you want to download Ultra/Super Combos: Hadouken to Port 5"});
  EXPECT_TRUE(window().slotButton(4)->isChecked());
  EXPECT_EQ(prompts_.notices(), std::vector<std::string>{});
}

TEST_F(AdapterSlotsWindowTest, ARowsAddStoresTheSlotAsANewComboOfTheSelectedCharacter) {
  openWindowOn(kTwoGames);
  adapter_.slot(2) = sampleBlock(77);
  prompts_.answerName("Captured");
  showOverview([](SlotOverviewDialog& dialog) {
    dialog.rows()->setCurrentCell(2, 0);
    dialog.addButton()->click();
  });
  ASSERT_TRUE(eventually([&] { return texts(*window().comboList()).contains("Captured"); }));
  EXPECT_EQ(prompts_.texts(ScriptedPrompts::Kind::AskName), std::vector<std::string>{"Input Ultra/Super Combos Name"});
  EXPECT_EQ(texts(*window().comboList()), (QStringList{"Hadouken", "Shoryuken", "Captured"}));
}

}  // namespace
}  // namespace strikepad::testing
