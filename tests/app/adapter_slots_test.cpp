// The window's "Adapter slots…" command: the five slots read as a transfer, shown one row a
// slot, and a row's choice run as the window's own DownLoad.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <string>
#include <vector>

#include "app/slot_overview_dialog.h"
#include "flows/device_flows.h"
#include "ui_driver.h"
#include "window_fixture.h"

namespace strikepad::testing {
namespace {

using AdapterSlotsWindowTest = WindowTest;

TEST_F(AdapterSlotsWindowTest, CtrlLShowsEachSlotAndARowDownloadsTheSelectedComboIntoIt) {
  openWindowOn(kTwoGames);
  adapter_.slot(1) = sampleBlock(3);   // Tatsumaki's
  adapter_.slot(2) = sampleBlock(77);  // no combo's
  prompts_.answerAsk(true);
  QStringList rows;
  whenModal<SlotOverviewDialog>([&](SlotOverviewDialog& dialog) {
    for (int row = 0; row < dialog.rows()->rowCount(); ++row) rows << dialog.rows()->item(row, 1)->text();
    dialog.rows()->setCurrentCell(4, 0);
    dialog.downloadButton()->click();
  });
  QTest::keyClick(window().characterList(), Qt::Key_L, Qt::ControlModifier);

  ASSERT_TRUE(eventually([&] { return adapter_.slot(4) == sampleBlock(1); }));
  EXPECT_EQ(rows, (QStringList{"empty", "Street Fighter IV / Ken / Tatsumaki", "not in the catalogue", "empty", "empty"}));
  EXPECT_EQ(prompts_.questions(), std::vector<std::string>{"do you want to download Ultra/Super Combos: Hadouken to Port 5"});
  EXPECT_TRUE(window().slotButton(4)->isChecked());
  EXPECT_TRUE(eventually([&] { return !window().deviceCommands().busy(); }));
  EXPECT_EQ(prompts_.notices(), std::vector<std::string>{});
}

}  // namespace
}  // namespace strikepad::testing
