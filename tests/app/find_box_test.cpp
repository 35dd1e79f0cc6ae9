// Ctrl+F: the find box lists the matches as the user types, and the one chosen is selected in
// the three lists; the box's Enter and Escape never end the program.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/busy_indicator.h"
#include "app/find_box.h"
#include "flows/device_flows.h"
#include "ui_driver.h"
#include "window_fixture.h"

namespace strikepad::testing {
namespace {

class FindBoxTest : public WindowTest {
 protected:
  void pressCtrlF() { QTest::keyClick(window().characterList(), Qt::Key_F, Qt::ControlModifier); }
};

TEST_F(FindBoxTest, TheMatchChosenIsSelectedInTheThreeLists) {
  openWindowOn(kTwoGames);
  QStringList shown;
  whenModal<FindBox>([&](FindBox& box) {
    QTest::keyClicks(box.field(), "E");
    QTest::keyClicks(box.field(), "LEC");
    for (int row = 0; row < box.matches()->count(); ++row) shown << box.matches()->item(row)->text();
    QTest::keyClick(box.field(), Qt::Key_Return);
  });
  pressCtrlF();
  EXPECT_EQ(shown, QStringList{"Tekken 6 / Jin / Electric"});
  EXPECT_EQ(window().gameList()->currentText(), "Tekken 6");
  EXPECT_EQ(selected(*window().characterList()), "Jin");
  EXPECT_EQ(selected(*window().comboList()), "Electric");
  EXPECT_TRUE(window().isVisible());
}

TEST_F(FindBoxTest, EscapeClosesTheBoxAndLeavesTheLists) {
  openWindowOn(kTwoGames);
  bool closed = false;
  whenModal<FindBox>([&](FindBox& box) {
    QTest::keyClicks(box.field(), "ken");
    QTest::keyClick(box.field(), Qt::Key_Down);
    QTest::keyClick(box.field(), Qt::Key_Escape);
    closed = !box.isVisible();
  });
  pressCtrlF();
  EXPECT_TRUE(closed);
  EXPECT_TRUE(window().isVisible());
  EXPECT_EQ(selected(*window().characterList()), "Ryu");
}

TEST_F(FindBoxTest, WhileATransferRunsItIsRefused) {
  openWindowOn(kTwoGames);
  startHeldDownload();
  pressCtrlF();
  EXPECT_EQ(prompts_.notices(), std::vector<std::string>{"Device is busy,please wait a moment."});
  pauses_.open();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window().deviceCommands().busy(); }));
}

}  // namespace
}  // namespace strikepad::testing
