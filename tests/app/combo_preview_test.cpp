// Hovering over a combo in the combo list: its script and timeline, read from the store when
// shown; the list's tooltip away from an entry.

#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

#include "app/combo_preview.h"
#include "app/commands.h"
#include "combo/script_parser.h"
#include "ui_driver.h"
#include "window_fixture.h"

namespace strikepad::testing {
namespace {

const std::vector<GameSample> kSample{{"Street Fighter IV", {{"Ryu", {"Hadouken", "Shoryuken"}}}}};

class ComboPreviewTest : public WindowTest {
 protected:
  // What the list does when the pointer rests over `point` of its viewport.
  void hoverAt(const QPoint& point) {
    QWidget* viewport = window().comboList()->viewport();
    QHelpEvent rest(QEvent::ToolTip, point, viewport->mapToGlobal(point));
    QApplication::sendEvent(viewport, &rest);
  }
  void hoverOver(int row) {
    QListView& list = *window().comboList();
    hoverAt(list.visualRect(list.model()->index(row, 0)).center());
  }
  ComboPreview& preview() { return *window().comboPreview()->popup(); }

  void addComboFromScript(const std::string& name, const std::string& script) {
    prompts_.answerScript(*parseScript(script).block);
    prompts_.answerName(name);
    window().runCommand(kNewComboFromScript);
  }
};

TEST_F(ComboPreviewTest, AComboMadeFromAScriptPrintsItsScriptBack) {
  openWindowOn(kSample);
  addComboFromScript("Fireball", "100 down rx -127 square cross\n\n50  0 up");
  ASSERT_EQ(texts(*window().comboList()).back(), "Fireball");
  hoverOver(2);
  ASSERT_TRUE(preview().isVisible());
  EXPECT_EQ(preview().title(), "Fireball");
  EXPECT_EQ(preview().scriptText(), "100 down cross square rx -127\n50\n0 up");
  EXPECT_TRUE(preview().hasTimeline());
  EXPECT_EQ(window().comboPreview()->shownRow(), 2);
}

TEST_F(ComboPreviewTest, ReadsTheRecordEachTimeItShows) {
  openWindowOn(kSample);
  hoverOver(0);
  EXPECT_EQ(preview().scriptText(), "100 select");  // the sample's first block: buttons 0x01
  const RecordId hadouken = window().catalogue().lists().combos.id(0);
  const ComboBlock changed = *parseScript("70 l1 r1").block;
  ASSERT_EQ(window().catalogue().ReplaceComboData(hadouken, changed.data(), changed.size()), 1);
  hoverOver(1);
  hoverOver(0);
  EXPECT_EQ(preview().scriptText(), "70 l1 r1");
}

TEST_F(ComboPreviewTest, AnEmptyDataFieldShowsNoData) {
  openWindowOn(kSample);
  const RecordId hadouken = window().catalogue().lists().combos.id(0);
  const ComboBlock unused = emptyComboBlock();
  ASSERT_EQ(window().catalogue().ReplaceComboData(hadouken, unused.data(), 0), 1);
  hoverOver(0);
  ASSERT_TRUE(preview().isVisible());
  EXPECT_EQ(preview().scriptText(), "(no data)");
  EXPECT_FALSE(preview().hasTimeline());
}

TEST_F(ComboPreviewTest, AwayFromAnEntryTheListsTooltipTellsOfCtrlN) {
  openWindowOn(kSample);
  const QString ctrlN = QKeySequence("Ctrl+N").toString(QKeySequence::NativeText);
  hoverOver(0);
  EXPECT_TRUE(preview().footer().contains(ctrlN));
  const QListView& list = *window().comboList();
  hoverAt(QPoint(5, list.viewport()->height() - 5));
  EXPECT_FALSE(preview().isVisible());
  EXPECT_EQ(window().comboPreview()->shownRow(), -1);
  EXPECT_TRUE(eventually([&] { return QToolTip::isVisible(); }));
  EXPECT_EQ(QToolTip::text(), list.toolTip());
  EXPECT_TRUE(QToolTip::text().contains(ctrlN));
  QToolTip::hideText();
}

TEST_F(ComboPreviewTest, MovingToAnotherEntryOrClickingHidesIt) {
  openWindowOn(kSample);
  QListView& list = *window().comboList();
  hoverOver(0);
  ASSERT_TRUE(preview().isVisible());
  QTest::mouseMove(list.viewport(), list.visualRect(list.model()->index(1, 0)).center());
  EXPECT_FALSE(preview().isVisible());
  hoverOver(1);
  ASSERT_TRUE(preview().isVisible());
  EXPECT_EQ(preview().title(), "Shoryuken");
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(1, 0)).center());
  EXPECT_FALSE(preview().isVisible());
}

TEST_F(ComboPreviewTest, ShowsTheHoveredComboOfACharacterWithAThousand) {
  std::vector<std::string> names;
  for (int n = 0; n < 1000; ++n) names.push_back("Combo " + std::to_string(n));
  openWindowOn({{"Game", {{"Character", names}}}});
  QListView& list = *window().comboList();
  list.scrollTo(list.model()->index(900, 0), QAbstractItemView::PositionAtTop);
  hoverOver(900);
  ASSERT_TRUE(preview().isVisible());
  EXPECT_EQ(preview().title(), "Combo 900");
  EXPECT_EQ(window().comboPreview()->shownRow(), 900);
}

}  // namespace
}  // namespace strikepad::testing
