// The script editor's timeline: edits by mouse and key, the two views of one block, undo and
// redo across them, and the 45-step limit.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QUndoStack>

#include "app/script_editor.h"
#include "app/step_timeline.h"
#include "combo/combo_steps.h"
#include "combo/script_parser.h"

namespace strikepad {
namespace {

constexpr int kUpLane = 2;  // lanes follow the script's key words: left, right, up, down, ...
constexpr int kDownLane = 3;
constexpr int kStartLane = 15;
constexpr int kLxLane = StepTimeline::kButtonLanes;

class TimelineTest : public ::testing::Test {
 protected:
  void open(const std::string& script) {
    block_ = *parseScript(script).block;
    editor_ = std::make_unique<ScriptEditor>(block_);
    editor_->show();
    editor_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor_.get()));  // the editor's shortcuts need it
  }
  StepTimeline& timeline() { return *editor_->timeline(); }
  std::string text() { return editor_->textBox()->toPlainText().toStdString(); }
  ComboSteps shown() { return ComboSteps(timeline().block()); }
  void click(int step, int lane) { QTest::mouseClick(&timeline(), Qt::LeftButton, {}, timeline().cellRect(step, lane).center()); }

  ComboBlock block_{};
  std::unique_ptr<ScriptEditor> editor_;
};

TEST_F(TimelineTest, AClickTogglesAButtonAndUndoAndRedoCoverBothViews) {
  open("100 up\n");
  click(0, kDownLane);
  EXPECT_EQ(text(), "100 up down\n");
  click(0, kUpLane);
  EXPECT_EQ(text(), "100 down\n");
  editor_->textBox()->moveCursor(QTextCursor::End);
  QTest::keyClicks(editor_->textBox(), "50 left");
  EXPECT_EQ(shown().count(), 2u);

  QTest::keySequence(editor_->textBox(), QKeySequence::Undo);  // the typing
  EXPECT_EQ(text(), "100 down\n");
  QTest::keySequence(&timeline(), QKeySequence::Undo);  // the second click
  EXPECT_EQ(text(), "100 up down\n");
  EXPECT_TRUE(shown().holds(0, kUpLane));
  QTest::keySequence(&timeline(), QKeySequence::Redo);
  QTest::keySequence(&timeline(), QKeySequence::Redo);
  EXPECT_EQ(text(), "100 down\n50 left");
  EXPECT_EQ(shown().count(), 2u);
}

TEST_F(TimelineTest, TextAndTimelineShowOneBlock) {
  open("");
  QTest::keyClicks(editor_->textBox(), "100 up");
  QTest::keyClick(editor_->textBox(), Qt::Key_Return);
  QTest::keyClicks(editor_->textBox(), "200 lx 50");
  EXPECT_EQ(timeline().block(), *parseScript("100 up\n200 lx 50").block);
  EXPECT_EQ(editor_->stepCountLine()->text(), "2 / 45 steps");

  QTest::keyClicks(editor_->textBox(), " jump");  // does not parse: the last good block, dimmed
  EXPECT_TRUE(timeline().isStale());
  EXPECT_TRUE(editor_->statusLine()->text().startsWith(QString::fromStdString(parseScript(text()).message)));
  EXPECT_EQ(timeline().block(), *parseScript("100 up\n200 lx 50").block);
  click(0, kDownLane);  // takes no edits meanwhile
  EXPECT_EQ(text(), "100 up\n200 lx 50 jump");
  for (int k = 0; k < 5; ++k) QTest::keyClick(editor_->textBox(), Qt::Key_Backspace);
  EXPECT_FALSE(timeline().isStale());

  const QPoint edge(timeline().rightEdge(0), timeline().cellRect(0, kUpLane).center().y());
  QTest::mousePress(&timeline(), Qt::LeftButton, {}, edge);
  QTest::mouseMove(&timeline(), edge + QPoint(40, 0));
  QTest::mouseRelease(&timeline(), Qt::LeftButton, {}, edge + QPoint(40, 0));
  const int dragged = shown().holdTime(0);
  EXPECT_GT(dragged, 100);
  QTest::keyClick(&timeline(), Qt::Key_Minus);
  EXPECT_EQ(text(), std::to_string(dragged - StepTimeline::kTimeStep) + " up\n200 lx 50\n");

  const QPoint stick = timeline().cellRect(1, kLxLane).center();
  QTest::mousePress(&timeline(), Qt::LeftButton, {}, stick);
  QTest::mouseMove(&timeline(), stick - QPoint(0, 200));  // upwards, kept to 127
  QTest::mouseRelease(&timeline(), Qt::LeftButton, {}, stick - QPoint(0, 200));
  EXPECT_EQ(text(), std::to_string(dragged - StepTimeline::kTimeStep) + " up\n200 lx 127\n");
  EXPECT_EQ(editor_->undoStack()->count(), 5);  // the typing on each line, the two drags, the key
}

TEST_F(TimelineTest, TheHeaderStaysInSightAndAtHandWhileTheLanesScroll) {
  open("100 up\n200 down\n");
  auto* area = qobject_cast<QScrollArea*>(timeline().parentWidget()->parentWidget());
  ASSERT_NE(area, nullptr);
  const int header = timeline().cellRect(0, -1).height();
  const auto top = [&] { return area->viewport()->grab(QRect(0, 0, area->viewport()->width(), header)).toImage(); };
  const QImage unscrolled = top();
  area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
  const int scrolled = area->verticalScrollBar()->value();
  ASSERT_GT(scrolled, header) << "the lanes must scroll for this test";
  EXPECT_EQ(top(), unscrolled);

  // A click on it picks a step, as on the header, and toggles no button of the lane under it.
  QTest::mouseClick(&timeline(), Qt::LeftButton, {}, QPoint(timeline().cellRect(1, 0).center().x(), scrolled + header / 2));
  EXPECT_EQ(timeline().currentStep(), 1);
  EXPECT_EQ(text(), "100 up\n200 down\n");
}

TEST_F(TimelineTest, AToggleThatWouldMakeTheEndMarkerIsRefusedWithAReason) {
  const std::string allButStart = "100 left right up down triangular circle cross square l1 l2 l3 r1 r2 r3 select lx 127 ly 127\n50\n";
  open(allButStart);
  click(0, kStartLane);
  EXPECT_EQ(text(), allButStart);
  EXPECT_EQ(shown().count(), 2u);
  EXPECT_EQ(editor_->statusLine()->text(),
            "step 1 can not hold all 16 buttons with lx and ly at 127: that reads as the end of the combo");
  EXPECT_EQ(editor_->undoStack()->count(), 0);
}

TEST_F(TimelineTest, KeysEditStepsAndRangesAndNothingPassesFortyFiveSteps) {
  std::string script;
  for (int k = 1; k <= 43; ++k) script += std::to_string(k) + "\n";
  open(script);
  timeline().setFocus();
  QTest::keyClick(&timeline(), Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(&timeline(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(text().substr(0, 10), "1\n2\n1\n2\n3\n");
  EXPECT_EQ(editor_->stepCountLine()->text(), "45 / 45 steps");
  EXPECT_FALSE(timeline().insertAction()->isEnabled());
  QTest::keyClick(&timeline(), Qt::Key_Insert);
  EXPECT_EQ(shown().count(), 45u);

  QTest::keyClick(&timeline(), Qt::Key_Delete);  // the copy, still selected
  QTest::keyClick(&timeline(), Qt::Key_Right, Qt::AltModifier);
  QTest::keyClick(&timeline(), Qt::Key_Plus);
  QTest::keyClick(&timeline(), Qt::Key_Insert);
  EXPECT_EQ(text().substr(0, 13), "1\n2\n4\n13\n100\n");

  QTest::keyClick(&timeline(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_FALSE(editor_->isVisible());
  EXPECT_EQ(block_, *parseScript(text()).block);
}

}  // namespace
}  // namespace strikepad
