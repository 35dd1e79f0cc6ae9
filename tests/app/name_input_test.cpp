// The name input dialog: caption, the 50-character limit, the selected initial text, OK and
// Escape.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "app/caption_width.h"
#include "app/name_input_dialog.h"
#include "ui_driver.h"

namespace strikepad {
namespace {

using testing::eventually;
using testing::whenModal;

// Runs the dialog, lets `act` work on it while it shows, and returns what it gave back.
QString askWith(const QString& caption, const QString& initial, std::function<void(NameInputDialog&)> act) {
  whenModal<NameInputDialog>(std::move(act));
  return NameInputDialog::ask(caption, initial, nullptr);
}

TEST(NameInput, ShowsTheCallersCaptionWithTheInitialTextSelectedAndFocused) {
  QString caption;
  bool focused = false;
  QString selected;
  bool okIsDefault = false;
  const QString result = askWith("Input Game Name", "Game Name", [&](NameInputDialog& dialog) {
    caption = dialog.windowTitle();
    focused = dialog.focusWidget() == dialog.field();  // the focus once the dialog is active
    selected = dialog.field()->selectedText();
    okIsDefault = dialog.okButton()->isDefault();
    QTest::keyClick(dialog.field(), Qt::Key_Return);
  });
  EXPECT_EQ(caption, "Input Game Name");
  EXPECT_TRUE(focused);
  EXPECT_EQ(selected, "Game Name");
  EXPECT_TRUE(okIsDefault);
  EXPECT_EQ(result, "Game Name");  // OK with the text unchanged
}

TEST(NameInput, IsWideEnoughForItsWholeCaption) {
  int width = 0;
  askWith("Input Ultra/Super Combos Name", "Ultra/Super Combos Name", [&](NameInputDialog& dialog) {
    width = dialog.width();
    QTest::keyClick(dialog.field(), Qt::Key_Escape);
  });
  EXPECT_GE(width, captionWidth("Input Ultra/Super Combos Name"));
}

TEST(NameInput, TypingReplacesTheInitialText) {
  const QString result = askWith("Input Character Name", "Character Name", [](NameInputDialog& dialog) {
    QTest::keyClicks(dialog.field(), "Ryu");
    dialog.okButton()->click();
  });
  EXPECT_EQ(result, "Ryu");
}

TEST(NameInput, AFiftyFirstCharacterCannotBeTyped) {
  const QString result = askWith("Input Game Name", "", [](NameInputDialog& dialog) {
    QTest::keyClicks(dialog.field(), QString(60, 'x'));
    QTest::keyClick(dialog.field(), Qt::Key_Return);
  });
  EXPECT_EQ(result, QString(50, 'x'));
}

TEST(NameInput, ALongerInitialTextIsKeptWholeAndCanBeShortenedButNotLengthened) {
  const QString initial(60, 'a');
  QString shown;
  QString selected;
  const QString result = askWith("Input Ultra/Super Combos Name", initial, [&](NameInputDialog& dialog) {
    shown = dialog.field()->text();
    selected = dialog.field()->selectedText();
    QTest::keyClick(dialog.field(), Qt::Key_End);
    QTest::keyClick(dialog.field(), Qt::Key_B);          // refused: the text would grow
    QTest::keyClick(dialog.field(), Qt::Key_Backspace);  // allowed: it shrinks
    QTest::keyClick(dialog.field(), Qt::Key_Return);
  });
  EXPECT_EQ(shown, initial);
  EXPECT_EQ(selected, initial);
  EXPECT_EQ(result, QString(59, 'a'));
}

TEST(NameInput, BlanksComeBackAsTyped) {
  const QString result = askWith("Input Game Name", "Game Name", [](NameInputDialog& dialog) {
    QTest::keyClicks(dialog.field(), "  ");
    QTest::keyClick(dialog.field(), Qt::Key_Return);
  });
  EXPECT_EQ(result, "  ");
}

TEST(NameInput, EscapeAndAnEmptiedFieldBothGiveTheEmptyText) {
  EXPECT_EQ(askWith("Input Game Name", "Game Name",
                    [](NameInputDialog& dialog) { QTest::keyClick(dialog.field(), Qt::Key_Escape); }),
            "");
  EXPECT_EQ(askWith("Input Game Name", "Game Name",
                    [](NameInputDialog& dialog) {
                      QTest::keyClick(dialog.field(), Qt::Key_Delete);
                      QTest::keyClick(dialog.field(), Qt::Key_Return);
                    }),
            "");
}

TEST(NameInput, ClosingTheWindowCancels) {
  EXPECT_EQ(askWith("Input Game Name", "Game Name", [](NameInputDialog& dialog) { dialog.close(); }), "");
}

}  // namespace
}  // namespace strikepad
