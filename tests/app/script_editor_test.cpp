// The script editor: its texts, the lower-casing box, and OK that parses and stays open on
// an error.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "app/script_editor.h"
#include "combo/script_parser.h"
#include "ui_driver.h"

namespace strikepad {
namespace {

using testing::whenModal;

QStringList labelTexts(const QWidget& dialog) {
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
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
                         "example:100 down rx -127 square cross"}));
  EXPECT_EQ(editor.textBox()->toPlainText(), "");
  EXPECT_TRUE(editor.okButton()->isDefault());
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
  QTest::keyClicks(editor.textBox(), "x down");
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
  EXPECT_EQ(message.toStdString(), parseScript("100 up\nx down").message);
  EXPECT_EQ(caption, QApplication::applicationName());
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(editor.textBox()->toPlainText(), "100 up\nx down");
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

TEST(ScriptEditor, EscapeClosesWithoutTouchingTheBlock) {
  ComboBlock block = emptyComboBlock();
  ScriptEditor editor(block);
  editor.show();
  QTest::keyClicks(editor.textBox(), "100 up");
  QTest::keyClick(editor.textBox(), Qt::Key_Escape);
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(editor.result(), QDialog::Rejected);
  EXPECT_TRUE(isEmptyCombo(block));
}

}  // namespace
}  // namespace strikepad
