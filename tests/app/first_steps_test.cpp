// What the window offers a newcomer: a line that says what to do next while there is nothing
// to show, tooltips on its controls, and a visible keyboard focus on its buttons.

#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QRadioButton>

#include "app/busy_indicator.h"
#include "app/commands.h"
#include "app/focus_ring.h"
#include "app/next_step_hint.h"
#include "app/status_line.h"
#include "window_fixture.h"

namespace strikepad::testing {
namespace {

class FirstStepsTest : public WindowTest {
 protected:
  // The line as shown; empty while it is hidden.
  QString nextStep() { return window().nextStepHint()->isVisible() ? window().nextStepHint()->text() : QString(); }
  void pickCharacter(int row) {
    MenuListBox& characters = *window().characterList();
    const QPoint centre = characters.visualRect(characters.model()->index(row, 0)).center();
    QTest::mouseClick(characters.viewport(), Qt::LeftButton, {}, centre);
  }
};

TEST_F(FirstStepsTest, WithoutACatalogueALineNamesTheFileTriedAndHowToMakeOne) {
  openWindow();
  const QString tried = QString::fromStdString((std::filesystem::canonical(dir_.path()) / "sp.dat").string());
  EXPECT_TRUE(nextStep().contains(tried)) << nextStep().toStdString();
  EXPECT_TRUE(nextStep().contains(QStringLiteral("strikepad-cli init"))) << nextStep().toStdString();
}

TEST_F(FirstStepsTest, OnAnEmptyCatalogueTheLineLeadsFromTheFirstGameToTheFirstCombo) {
  openWindowOn({});
  EXPECT_TRUE(nextStep().contains(QStringLiteral("right-click the game list"))) << nextStep().toStdString();
  prompts_.answerName("Street Fighter IV");
  window().runCommand(kAddGame);
  EXPECT_TRUE(nextStep().contains(QStringLiteral("right-click the character list"))) << nextStep().toStdString();
  prompts_.answerName("Ryu");
  window().runCommand(kAddCharacter);
  EXPECT_TRUE(nextStep().contains(QStringLiteral("right-click the combo list"))) << nextStep().toStdString();
}

TEST_F(FirstStepsTest, TheLineGoesWhileThereIsSomethingToShowAndComesBackWhenThereIsNot) {
  openWindowOn({{"Street Fighter IV", {{"Ryu", {}}, {"Ken", {"Tatsumaki"}}}}});
  EXPECT_FALSE(nextStep().isEmpty());
  pickCharacter(1);
  EXPECT_EQ(nextStep(), QString());
  pickCharacter(0);
  EXPECT_TRUE(nextStep().contains(QStringLiteral("right-click the combo list"))) << nextStep().toStdString();
}

TEST_F(FirstStepsTest, TheListsTheIndicatorAndEachSlotButtonHaveTooltips) {
  openWindowOn(kTwoGames);
  for (QWidget* control : {static_cast<QWidget*>(window().gameList()), static_cast<QWidget*>(window().characterList()),
                           static_cast<QWidget*>(window().indicator())})
    EXPECT_FALSE(control->toolTip().isEmpty()) << control->objectName().toStdString();
  for (int slot = 0; slot < kSlotCount; ++slot)
    EXPECT_TRUE(window().slotButton(slot)->toolTip().contains(QString::number(slot + 1))) << slot;
}

TEST_F(FirstStepsTest, DownLoadAndTheSlotButtonsShowTheirKeyboardFocus) {
  openWindowOn(kTwoGames);
  std::vector<QAbstractButton*> buttons{window().downloadButton()};
  for (int slot = 0; slot < kSlotCount; ++slot) buttons.push_back(window().slotButton(slot));
  for (QAbstractButton* button : buttons) {
    // Round the button: a radio button's ring lies partly outside it.
    const int margin = 2 * kFocusRingWidth;
    const QRect area = button->geometry().adjusted(-margin, -margin, margin, margin);
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    const QImage focused = button->parentWidget()->grab(area).toImage();
    window().gameList()->setFocus();
    EXPECT_NE(focused, button->parentWidget()->grab(area).toImage()) << button->text().toStdString();
  }
}

// The status line shows the newest report; its tooltip keeps the last few, newest first, with
// names as typed.
TEST(StatusLineTest, ShowsTheNewestReportAndKeepsTheLastFewInItsTooltip) {
  StatusLine line;
  for (int i = 1; i <= StatusLine::kKept + 2; ++i) line.report(QStringLiteral("<b>Game</b> exported %1").arg(i));
  EXPECT_EQ(line.text(), QStringLiteral("<b>Game</b> exported 10"));
  ASSERT_EQ(line.history().size(), StatusLine::kKept);
  EXPECT_EQ(line.history().front(), QStringLiteral("<b>Game</b> exported 10"));
  EXPECT_EQ(line.history().back(), QStringLiteral("<b>Game</b> exported 3"));
  EXPECT_TRUE(line.toolTip().contains(QStringLiteral("&lt;b&gt;Game&lt;/b&gt; exported 3"))) << "plain, not markup";
}

}  // namespace
}  // namespace strikepad::testing
