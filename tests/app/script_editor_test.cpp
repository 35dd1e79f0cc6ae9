// The script editor: its texts, the lower-casing box, the colours, step numbers and failing
// step shown as the user types, and OK that parses and stays open on an error.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

#include <QTextBlock>
#include <QTextLayout>

#include "app/keyword_palette.h"
#include "app/script_editor.h"
#include "app/script_highlighter.h"
#include "app/script_text_box.h"
#include "combo/script_parser.h"
#include "ui_driver.h"

namespace strikepad {
namespace {

using testing::whenModal;

QStringList labelTexts(const QWidget& dialog) {
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
    if (label->objectName() != "scriptStatus" && label->objectName() != "stepCount") texts << label->text();
  return texts;
}

TEST(ScriptEditor, ShowsItsCaptionAndUsageTextsAndOpensEmptyOnAnEmptyBlock) {
  ComboBlock block = emptyComboBlock();
  ScriptEditor editor(block);
  EXPECT_EQ(editor.windowTitle(), "Dialog");
  EXPECT_EQ(labelTexts(editor),
            (QStringList{"Usage: [time],[key]/[analog key] [value]],......",
                         "time:the state of these keys will be hold  within this time",
                         "key: up,down,left,right,triangular,circle,cross,square,l1,l2,l3,r1,r2,r3,select,start\n"
                         "analog key:lx,ly,rx,ry\nvalue:from -127 to 127",
                         "example:100 down rx -127 square cross",
                         "One line is one step: its hold time, in the adapter's own unit (0 to 65535), then the "
                         "key words held for that time."}));
  EXPECT_EQ(editor.textBox()->toPlainText(), "");
  EXPECT_TRUE(editor.okButton()->isDefault());
}

TEST(ScriptEditor, APaletteKeyWordGoesInAtTheCursorAsAnEditOfItsOwn) {
  ComboBlock block = *parseScript("100 up\r\n").block;
  ScriptEditor editor(block);
  editor.show();
  const auto click = [&](const char* word) {
    QTest::mouseClick(editor.keywordPalette()->findChild<QToolButton*>(QStringLiteral("keyword-") + word), Qt::LeftButton);
  };
  QTextCursor cursor = editor.textBox()->textCursor();
  cursor.setPosition(3);  // after the time
  editor.textBox()->setTextCursor(cursor);
  click("square");
  EXPECT_EQ(editor.textBox()->toPlainText(), "100 square up\n");
  editor.textBox()->moveCursor(QTextCursor::EndOfLine);
  click("lx");  // with a value, selected to be typed over
  QTest::keyClicks(editor.textBox(), "-50");
  EXPECT_EQ(editor.textBox()->toPlainText(), "100 square up lx -50\n");
  editor.textBox()->moveCursor(QTextCursor::End);
  click("start");  // an empty line gets a hold time first
  EXPECT_EQ(editor.textBox()->toPlainText(), "100 square up lx -50\n100 start");

  for (int k = 0; k < 3; ++k) editor.undoStack()->undo();
  EXPECT_EQ(editor.textBox()->toPlainText(), "100 square up\n");
}

TEST(ScriptEditor, FitsASmallScreenWholeEvenOnAFullCombo) {
  QStringList steps;
  for (int k = 0; k < 45; ++k) steps << "100 up lx 50";
  ComboBlock block = *parseScript(steps.join('\n').toStdString()).block;
  ScriptEditor editor(block);
  QFont desktop = editor.font();
  desktop.setPixelSize(17);  // a desktop's usual font, larger than the offscreen platform's
  editor.setFont(desktop);
  // A 1366x768 screen less a panel and the window's title bar.
  const QSize room(1366, 768 - 80);
  EXPECT_EQ(editor.sizeHint().boundedTo(room), editor.sizeHint());
}

TEST(ScriptEditor, OpensOnThePrintedFormOfAGivenBlock) {
  ComboBlock block = *parseScript("100 down\r\n").block;
  ScriptEditor editor(block);
  EXPECT_EQ(editor.textBox()->toPlainText(), "100 down\n");
}

TEST(ScriptEditor, TypedAndPastedLettersArriveInLowerCase) {
  ComboBlock block = emptyComboBlock();
  ScriptEditor editor(block);
  editor.show();
  QTest::keyClicks(editor.textBox(), "100 UP Square");
  QTest::keyClick(editor.textBox(), Qt::Key_Return);  // a line end, not OK
  QApplication::clipboard()->setText("50 CROSS");
  editor.textBox()->paste();
  EXPECT_EQ(editor.textBox()->toPlainText(), "100 up square\n50 cross");
  EXPECT_TRUE(editor.isVisible());
}

TEST(ScriptEditor, AnErrorIsShownAndTheEditorStaysOpenUntilTheScriptParses) {
  ComboBlock block = emptyComboBlock();
  ScriptEditor editor(block);
  editor.show();
  QTest::keyClicks(editor.textBox(), "100 up");
  QTest::keyClick(editor.textBox(), Qt::Key_Return);
  QTest::keyClicks(editor.textBox(), "200 dwn");
  QString message;
  QString caption;
  QMessageBox::Icon icon{};
  whenModal<QMessageBox>([&](QMessageBox& box) {
    message = box.text();
    caption = box.windowTitle();
    icon = box.icon();
    box.accept();
  });
  editor.okButton()->click();
  EXPECT_EQ(message, "error keyword in line 2") << "the status line says more; the message keeps the parser's text";
  EXPECT_EQ(caption, QApplication::applicationName());
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(editor.textBox()->toPlainText(), "100 up\n200 dwn");
  EXPECT_TRUE(isEmptyCombo(block));

  editor.textBox()->setPlainText("100 up\n200 down");
  editor.okButton()->click();
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(editor.result(), QDialog::Accepted);
  EXPECT_EQ(block, *parseScript("100 up\n200 down").block);
}

TEST(ScriptEditor, OkOnAnEmptyBoxClosesWithTheEmptyCombo) {
  ComboBlock block = emptyComboBlock();
  ScriptEditor editor(block);
  editor.show();
  editor.okButton()->click();
  EXPECT_FALSE(editor.isVisible());
  EXPECT_TRUE(isEmptyCombo(block));
}

TEST(ScriptEditor, EscapeAsksBeforeDiscardingAChangedScriptAndNeverTouchesTheBlock) {
  ComboBlock block = emptyComboBlock();
  ScriptEditor editor(block);
  editor.show();
  QTest::keyClick(editor.textBox(), Qt::Key_Escape);  // nothing changed: no question
  EXPECT_FALSE(editor.isVisible());

  editor.show();
  QTest::keyClicks(editor.textBox(), "100 up");
  QStringList questions;
  for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
    whenModal<QMessageBox>([&, button](QMessageBox& box) {
      questions << box.text();
      box.button(button)->click();
    });
    QTest::keyClick(editor.textBox(), Qt::Key_Escape);
    EXPECT_EQ(editor.isVisible(), button == QMessageBox::No);
  }
  EXPECT_EQ(questions, QStringList(2, "The script has changed. Close the editor and discard the changes?"));
  EXPECT_EQ(editor.result(), QDialog::Rejected);
  EXPECT_TRUE(isEmptyCombo(block));
}

// The margin's numbers beside each text line of `editor`.
std::vector<QList<int>> marginNumbers(const ScriptEditor& editor) {
  std::vector<QList<int>> lines;
  for (int line = 0; line < editor.textBox()->document()->blockCount(); ++line)
    lines.push_back(editor.scriptBox()->stepNumbersOnLine(line));
  return lines;
}

TEST(ScriptEditor, TheMarginNumbersStepsAsTheParserCountsThem) {
  ComboBlock block = emptyComboBlock();
  ScriptEditor editor(block);
  // An empty line counts no step, a doubled space starts one, an axis value on the next line
  // belongs to the step above; the last line fails.
  const QString script = "100 up\n\n200 down\n300  400 left\n500 lx\n50 r1\n600 x";
  editor.textBox()->setPlainText(script);
  EXPECT_EQ(marginNumbers(editor),
            (std::vector<QList<int>>{{1}, {}, {2}, {3, 4}, {5}, {}, {6}}));
  const std::string message = parseScript(script.toStdString()).message;
  EXPECT_EQ(message, "error keyword in line 6");
  EXPECT_EQ(editor.scriptBox()->failingStepNumber(), 6);
}

TEST(ScriptEditor, TheFailingStepIsTheOneTheParserNamesWhateverTheLayout) {
  ComboBlock block = emptyComboBlock();
  ScriptEditor editor(block);
  for (const char* script : {"100  up", "100 up\n\n\nabc", "100 lx\n\n50 up\n200 ly", "1\n2  3\n\n4 UP", "  \n100 rx x"}) {
    editor.textBox()->setPlainText(script);
    const std::string message = parseScript(script).message;
    ASSERT_FALSE(message.empty()) << script;
    const int failing = editor.scriptBox()->failingStepNumber();
    EXPECT_EQ(message.substr(message.rfind(' ') + 1), std::to_string(failing)) << script;
    int shownOnSomeLine = 0;
    for (const QList<int>& numbers : marginNumbers(editor)) shownOnSomeLine += numbers.count(failing);
    EXPECT_EQ(shownOnSomeLine, 1) << script;
    EXPECT_TRUE(editor.statusLine()->text().startsWith(QString::fromStdString(message))) << script;
  }
}

TEST(ScriptEditor, TheFailingStepIsMarkedAsTheUserTypesAndTheMarkGoesWhenItIsFixed) {
  ComboBlock block = emptyComboBlock();
  ScriptEditor editor(block);
  editor.show();
  QTest::keyClicks(editor.textBox(), "100 up");
  QTest::keyClick(editor.textBox(), Qt::Key_Return);
  QTest::keyClicks(editor.textBox(), "200 dwn");
  EXPECT_EQ(editor.statusLine()->text(), "error keyword in line 2: 'dwn' is not a key word, did you mean 'down'?");
  const QList<QTextEdit::ExtraSelection> marks = editor.textBox()->extraSelections();
  ASSERT_EQ(marks.size(), 1);
  EXPECT_EQ(marks.front().format.underlineStyle(), QTextCharFormat::WaveUnderline);
  EXPECT_EQ(marks.front().cursor.selectedText(), "200 dwn");

  QTest::keyClick(editor.textBox(), Qt::Key_Backspace);
  QTest::keyClick(editor.textBox(), Qt::Key_Backspace);
  QTest::keyClicks(editor.textBox(), "OWN");
  EXPECT_EQ(editor.textBox()->toPlainText(), "100 up\n200 down");
  EXPECT_EQ(editor.statusLine()->text(), "2 steps");
  EXPECT_TRUE(editor.textBox()->extraSelections().isEmpty());
  EXPECT_EQ(editor.scriptBox()->failingStepNumber(), 0);
}

TEST(ScriptEditor, SaysWhenTheTextGoesBeyondTheStepsAComboHolds) {
  ComboBlock block = emptyComboBlock();
  ScriptEditor editor(block);
  QStringList lines;
  for (int n = 0; n < 46; ++n) lines << "100 up";
  editor.textBox()->setPlainText(lines.join('\n'));
  EXPECT_EQ(editor.statusLine()->text(), "45 steps, all the adapter holds: the text after them is ignored");
  EXPECT_EQ(marginNumbers(editor)[45], QList<int>{});
}

TEST(ScriptEditor, TheStatusLineNamesEachValueStoredOtherThanWritten) {
  ComboBlock block = emptyComboBlock();
  ScriptEditor editor(block);
  editor.textBox()->setPlainText("100 lx 200\n70000 up\n100,down");
  EXPECT_EQ(editor.statusLine()->text(),
            "3 steps\n"
            "step 1: lx 200 is outside -127..127 and is stored as -56\n"
            "step 2: time 70000 is outside 0..65535 and is stored as 4464\n"
            "step 3: ',down' after the time is ignored");

  editor.textBox()->setPlainText("1 lx 200\n2 lx 200\n3 lx 200\n4 lx 200\n5 lx 200\n6 lx 200");
  EXPECT_EQ(editor.statusLine()->text(),
            "6 steps\n"
            "step 1: lx 200 is outside -127..127 and is stored as -56\n"
            "step 2: lx 200 is outside -127..127 and is stored as -56\n"
            "step 3: lx 200 is outside -127..127 and is stored as -56\n"
            "step 4: lx 200 is outside -127..127 and is stored as -56\n"
            "and 2 more warnings");
}

TEST(ScriptEditor, OkAsksBeforeStoringValuesOtherThanWrittenAndNoKeepsTheEditorOpen) {
  ComboBlock block = emptyComboBlock();
  ScriptEditor editor(block);
  editor.show();
  editor.textBox()->setPlainText("100 lx 200");
  QString question;
  QMessageBox::StandardButtons buttons;
  const auto answerNext = [&](QMessageBox::StandardButton answer) {
    whenModal<QMessageBox>([&, answer](QMessageBox& box) {
      question = box.text();
      buttons = box.standardButtons();
      box.button(answer)->click();
    });
  };

  answerNext(QMessageBox::No);
  editor.okButton()->click();
  EXPECT_EQ(question,
            "step 1: lx 200 is outside -127..127 and is stored as -56\n\nStore the combo with these values?");
  EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(editor.textBox()->toPlainText(), "100 lx 200");
  EXPECT_TRUE(isEmptyCombo(block));

  answerNext(QMessageBox::Yes);
  editor.okButton()->click();
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(editor.result(), QDialog::Accepted);
  EXPECT_EQ(block, *parseScript("100 lx 200").block);
}

// A block as the adapter may hand it over: ly at -128 (the byte 0x00, shown as -127) and a
// marker and bytes after it that the parser would not write.
ComboBlock adapterBlock() {
  ComboBlock block = *parseScript("100 up ly -127\n200 down\n").block;
  block[3] = 0x00;
  for (std::size_t at = 20; at < kBlockSize; ++at) block[at] = static_cast<std::uint8_t>(at);
  return block;
}

TEST(ScriptEditor, OkOnAnUnchangedScriptGivesTheBlockBackAsItCame) {
  const ComboBlock given = adapterBlock();
  ComboBlock block = given;
  ScriptEditor editor(block);
  editor.show();
  ASSERT_EQ(editor.statusLine()->text(), "2 steps") << "nothing to ask about";
  editor.okButton()->click();
  EXPECT_EQ(editor.result(), QDialog::Accepted);
  EXPECT_EQ(block, given);
}

TEST(ScriptEditor, AnEditThatChangesAByteTheScriptCanNotShowSaysSo) {
  ComboBlock block = adapterBlock();
  ScriptEditor editor(block);
  editor.show();
  editor.textBox()->setPlainText("100 up left ly -127\n200 down\n");
  EXPECT_EQ(editor.statusLine()->text(), "2 steps\nstep 1: ly -128 can not be written in a script and is stored as -127");
}

// The format the highlighter gave the text at `position` of `editor`'s first line.
QTextCharFormat formatAt(const ScriptEditor& editor, int line, int position) {
  const QTextBlock block = editor.textBox()->document()->findBlockByNumber(line);
  for (const QTextLayout::FormatRange& range : block.layout()->formats())
    if (position >= range.start && position < range.start + range.length) return range.format;
  return {};
}

TEST(ScriptEditor, ColoursTimesKeyWordsAndAxisValues) {
  ComboBlock block = emptyComboBlock();
  ScriptEditor editor(block);
  editor.textBox()->setPlainText("100 lx 50 up  200 ry\n\n-5 square");
  const ScriptHighlighter& colours = *editor.highlighter();
  EXPECT_EQ(formatAt(editor, 0, 0), colours.timeFormat());      // 100
  EXPECT_EQ(formatAt(editor, 0, 4), colours.keywordFormat());   // lx
  EXPECT_EQ(formatAt(editor, 0, 7), colours.valueFormat());     // 50
  EXPECT_EQ(formatAt(editor, 0, 10), colours.keywordFormat());  // up
  EXPECT_EQ(formatAt(editor, 0, 14), colours.timeFormat());     // 200, after the doubled space
  EXPECT_EQ(formatAt(editor, 0, 18), colours.keywordFormat());  // ry
  EXPECT_EQ(formatAt(editor, 2, 0), colours.valueFormat());     // -5, ry's value two lines on
  EXPECT_EQ(formatAt(editor, 2, 3), colours.keywordFormat());   // square
}

}  // namespace
}  // namespace strikepad
