// QtPrompts: captions, icons and buttons of the message boxes, and the file filters.

#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractButton>
#include <QDir>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <utility>

#include "app/caption_width.h"
#include "app/name_input_dialog.h"
#include "app/qt_prompts.h"
#include "ui_driver.h"

namespace strikepad {
namespace {

using testing::whenModal;

struct Shown {
  QString caption;
  QString text;
  QMessageBox::Icon icon{};
  QMessageBox::StandardButtons buttons;
  Qt::TextFormat format{};
};

// Records the next message box and answers it with `answer`.
void answerNextBox(Shown& shown, QMessageBox::StandardButton answer) {
  whenModal<QMessageBox>([&shown, answer](QMessageBox& box) {
    shown = {box.windowTitle(), box.text(), box.icon(), box.standardButtons(), box.textFormat()};
    box.button(answer)->click();
  });
}

class QtPromptsTest : public ::testing::Test {
 protected:
  QWidget window_;
  QtPrompts prompts_{window_};
};

TEST_F(QtPromptsTest, ANoticeHasTheApplicationsNameNoIconAndOnlyOk) {
  Shown shown;
  answerNextBox(shown, QMessageBox::Ok);
  prompts_.notice("Character list is empty");
  EXPECT_EQ(shown.caption, "strikepad");
  EXPECT_EQ(shown.caption, QApplication::applicationName());
  EXPECT_EQ(shown.text, "Character list is empty");
  EXPECT_EQ(shown.icon, QMessageBox::NoIcon);
  EXPECT_EQ(shown.buttons, QMessageBox::Ok);
}

TEST_F(QtPromptsTest, TheStoreErrorReportCarriesTheWarningIcon) {
  Shown shown;
  answerNextBox(shown, QMessageBox::Ok);
  prompts_.warning("error Information:unable to open database file(e)");
  EXPECT_EQ(shown.icon, QMessageBox::Warning);
  EXPECT_EQ(shown.caption, QApplication::applicationName());
}

TEST_F(QtPromptsTest, AQuestionHasYesAndNoAndItsOwnCaptionWhenGiven) {
  Shown shown;
  answerNextBox(shown, QMessageBox::Yes);
  EXPECT_TRUE(prompts_.ask("Delete it?", "Warning"));
  EXPECT_EQ(shown.caption, "Warning");
  EXPECT_EQ(shown.icon, QMessageBox::NoIcon);
  EXPECT_EQ(shown.buttons, QMessageBox::Yes | QMessageBox::No);

  answerNextBox(shown, QMessageBox::No);
  EXPECT_FALSE(prompts_.ask("Go on?"));
  EXPECT_EQ(shown.caption, QApplication::applicationName());
}

TEST_F(QtPromptsTest, NamesShowAsPlainTextNotAsMarkup) {
  Shown notice;
  answerNextBox(notice, QMessageBox::Ok);
  prompts_.notice("<b>Bold</b> Game");
  Shown question;
  answerNextBox(question, QMessageBox::No);
  prompts_.ask("do you want to delete <b>Bold</b> Game");
  EXPECT_EQ(notice.format, Qt::PlainText);
  EXPECT_EQ(notice.text, "<b>Bold</b> Game");
  EXPECT_EQ(question.format, Qt::PlainText);
}

// While it lives, dialog buttons stand as GNOME and XFCE place them: No before Yes.
class ButtonsAsOnGnome {
 public:
  ButtonsAsOnGnome() : previous_(QApplication::style()->name()) {
    QApplication::setStyle(new Order(QStyleFactory::create(previous_)));
  }
  ~ButtonsAsOnGnome() { QApplication::setStyle(previous_); }
  ButtonsAsOnGnome(const ButtonsAsOnGnome&) = delete;
  ButtonsAsOnGnome& operator=(const ButtonsAsOnGnome&) = delete;

 private:
  struct Order final : QProxyStyle {
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
      if (hint == SH_DialogButtonLayout) return QDialogButtonBox::GnomeLayout;
      return QProxyStyle::styleHint(hint, option, widget, returned);
    }
  };
  QString previous_;
};

TEST_F(QtPromptsTest, EnterAnswersYesAndEscapeNoWhereNoStandsFirst) {
  const ButtonsAsOnGnome gnome;
  for (const auto& [key, answer] : {std::pair{Qt::Key_Return, true}, std::pair{Qt::Key_Escape, false}}) {
    bool noFirst = false;
    bool yesIsDefault = false;
    whenModal<QMessageBox>([&, key = key](QMessageBox& box) {
      QAbstractButton* yes = box.button(QMessageBox::Yes);
      noFirst = box.button(QMessageBox::No)->x() < yes->x();
      yesIsDefault = box.defaultButton() == yes;
      // The key goes where the user's key goes: to the widget with the focus.
      QTest::keyClick(box.focusWidget() ? box.focusWidget() : &box, key);
    });
    EXPECT_EQ(prompts_.ask("do you want to delete Ultra/Super Combos: Hadouken"), answer) << key;
    EXPECT_TRUE(noFirst);
    EXPECT_TRUE(yesIsDefault);
  }
}

TEST_F(QtPromptsTest, AskNameRunsTheNameInputDialog) {
  QString caption;
  whenModal<NameInputDialog>([&](NameInputDialog& dialog) {
    caption = dialog.windowTitle();
    QTest::keyClicks(dialog.field(), "Ryu");
    QTest::keyClick(dialog.field(), Qt::Key_Return);
  });
  EXPECT_EQ(prompts_.askName("Input Character Name", "Character Name"), "Ryu");
  EXPECT_EQ(caption, "Input Character Name");
}

TEST_F(QtPromptsTest, SetTitleNamesTheWindow) {
  prompts_.setTitle("Norvik Strikepad 2.0 Velocade [Connected]");
  EXPECT_EQ(window_.windowTitle(), "Norvik Strikepad 2.0 Velocade [Connected]");
}

TEST_F(QtPromptsTest, AMessageBoxIsWideEnoughForItsWholeCaption) {
  const QString caption = "A caption far longer than the question under it";
  int width = 0;
  QString text;
  whenModal<QMessageBox>([&](QMessageBox& box) {
    width = box.width();
    text = box.text();
    box.button(QMessageBox::No)->click();
  });
  prompts_.ask("Go on?", caption.toStdString());
  EXPECT_GE(width, captionWidth(caption));
  EXPECT_EQ(text, "Go on?");
}

TEST(QtFileFilter, PairsOfDescriptionAndPatternBecomeQtFiltersWithASpaceBeforeThePatterns) {
  EXPECT_EQ(toQtFileFilter("Strikepad Files(*.SPK)|*.SPK|All Files (*.*)|*.*||"),
            "Strikepad Files (*.SPK);;All Files (*.*)");
  EXPECT_EQ(toQtFileFilter("Strikepad Files|*.SPK;*.spk||"), "Strikepad Files (*.SPK *.spk)");
}

TEST(SuggestedFileName, IsTheSubjectWithTheSuffixAndNoCharacterAFileNameCannotHold) {
  EXPECT_EQ(suggestedFileName("Street Fighter IV", "SPK"), "Street Fighter IV.SPK");
  EXPECT_EQ(suggestedFileName("AC/DC: \"Best\" <1|2>?*\\\t", "SPK"), "AC_DC_ _Best_ _1_2_____.SPK");
  EXPECT_EQ(suggestedFileName("Ōkami", "SPK"), "Ōkami.SPK");
}

TEST(FileDialogFolder, StartsAtHomeThenWhereAFileWasLastChosen) {
  FileDialogFolder folder;
  EXPECT_EQ(folder.start(), QDir::homePath());
  folder.remember("");  // a cancelled dialog
  EXPECT_EQ(folder.start(), QDir::homePath());
  folder.remember("/games/exports/Tekken 6.SPK");
  EXPECT_EQ(folder.start(), "/games/exports");
}

}  // namespace
}  // namespace strikepad
