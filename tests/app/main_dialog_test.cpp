// The main window on a real catalogue: start-up, the lists' cascade, the keys that end it,
// the commands that its menus, its button and its shortcuts run.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <vector>

#include "app/about_box.h"
#include "app/busy_indicator.h"
#include "app/commands.h"
#include "device/device_link.h"
#include "flows/device_flows.h"
#include "flows/lookup_notices.h"
#include "operations/shared_texts.h"
#include "ui_driver.h"
#include "window_fixture.h"

namespace strikepad::testing {
namespace {

using Kind = ScriptedPrompts::Kind;

class MainWindowTest : public WindowTest {
 protected:
  QPoint centreOfRow(const QListView& list, int row) { return list.visualRect(list.model()->index(row, 0)).center(); }
};

// What `sample` gave at each paint of `widget`: what was drawn, not merely requested.
template <class Value>
struct PaintLog : QObject {
  PaintLog(QWidget& widget, std::function<Value()> sample) : sample_(std::move(sample)) {
    widget.installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) seen.push_back(sample_());
    return false;
  }
  std::vector<Value> seen;

 private:
  std::function<Value()> sample_;
};

TEST_F(MainWindowTest, StartsWithTheAdapterThenTheFirstGamesLists) {
  openWindowOn(kTwoGames);
  EXPECT_EQ(prompts_.title(), kConnectedTitle);
  EXPECT_TRUE(prompts_.messages().empty());
  EXPECT_EQ(texts(*window().gameList()), (QStringList{"Street Fighter IV", "Tekken 6"}));
  EXPECT_EQ(window().gameList()->currentIndex(), 0);
  EXPECT_EQ(texts(*window().characterList()), (QStringList{"Ryu", "Ken"}));
  EXPECT_EQ(selected(*window().characterList()), "Ryu");
  EXPECT_EQ(texts(*window().comboList()), (QStringList{"Hadouken", "Shoryuken"}));
  EXPECT_EQ(selected(*window().comboList()), "Hadouken");
  EXPECT_TRUE(window().slotButton(0)->isChecked());
  EXPECT_FALSE(window().indicator()->isBusy());
  EXPECT_TRUE(window().gameList()->hasFocus());
}

TEST_F(MainWindowTest, WithoutAnAdapterItSaysSoAndStillOpensTheCatalogue) {
  adapter_.unplug();
  openWindowOn(kTwoGames);
  ASSERT_GE(prompts_.events().size(), 2u);
  EXPECT_EQ(prompts_.events()[0].kind, Kind::Notice);
  EXPECT_EQ(prompts_.events()[0].text, shared_texts::kDeviceNotFound);
  EXPECT_EQ(prompts_.title(), kDisconnectedTitle);
  EXPECT_EQ(window().gameList()->count(), 2);
}

TEST_F(MainWindowTest, WithoutACatalogueFileItReportsTheStoreErrorAndShowsEmptyLists) {
  openWindow();
  ASSERT_EQ(prompts_.warnings().size(), 1u);
  EXPECT_EQ(prompts_.warnings().front().rfind("error Information:", 0), 0u);
  EXPECT_EQ(window().gameList()->count(), 0);
  EXPECT_EQ(window().characterList()->model()->rowCount(), 0);
  EXPECT_EQ(window().comboList()->model()->rowCount(), 0);
  EXPECT_TRUE(window().isVisible());
}

TEST_F(MainWindowTest, PickingACharacterShowsItsCombos) {
  openWindowOn(kTwoGames);
  QTest::mouseClick(window().characterList()->viewport(), Qt::LeftButton, {},
                    centreOfRow(*window().characterList(), 1));
  EXPECT_EQ(texts(*window().comboList()), QStringList{"Tatsumaki"});
  EXPECT_EQ(selected(*window().comboList()), "Tatsumaki");
}

TEST_F(MainWindowTest, PickingAGameShowsItsCharactersAndTheFirstOnesCombos) {
  openWindowOn(kTwoGames);
  window().gameList()->setFocus();
  QTest::keyClick(window().gameList(), Qt::Key_Down);
  EXPECT_EQ(window().gameList()->currentIndex(), 1);
  EXPECT_EQ(texts(*window().characterList()), QStringList{"Jin"});
  EXPECT_EQ(texts(*window().comboList()), QStringList{"Electric"});
}

TEST_F(MainWindowTest, SelectionsMadeByTheProgramDoNotCascade) {
  openWindowOn(kTwoGames);
  window().catalogue().lists().games.select(1);
  window().catalogue().lists().characters.select(1);
  EXPECT_EQ(texts(*window().characterList()), (QStringList{"Ryu", "Ken"}));
  EXPECT_EQ(texts(*window().comboList()), (QStringList{"Hadouken", "Shoryuken"}));
}

TEST_F(MainWindowTest, DoubleClickOnACombo_DoesNothing) {
  openWindowOn(kTwoGames);
  prompts_.clearEvents();
  QTest::mouseDClick(window().comboList()->viewport(), Qt::LeftButton, {}, centreOfRow(*window().comboList(), 1));
  EXPECT_TRUE(prompts_.events().empty());
  EXPECT_EQ(texts(*window().comboList()), (QStringList{"Hadouken", "Shoryuken"}));
  EXPECT_TRUE(window().isVisible());
}

TEST_F(MainWindowTest, EscapeEndsTheWindow) {
  openWindowOn(kTwoGames);
  QTest::keyClick(window().characterList(), Qt::Key_Escape);
  EXPECT_FALSE(window().isVisible());
}

TEST_F(MainWindowTest, EnterEndsTheWindowWhenAListHasTheFocus) {
  openWindowOn(kTwoGames);
  window().characterList()->setFocus();
  QTest::keyClick(window().characterList(), Qt::Key_Return);
  EXPECT_FALSE(window().isVisible());
}

TEST_F(MainWindowTest, EnterEndsTheWindowWhenASlotButtonHasTheFocus) {
  openWindowOn(kTwoGames);
  window().slotButton(2)->setFocus();
  QTest::keyClick(window().slotButton(2), Qt::Key_Enter);
  EXPECT_FALSE(window().isVisible());
}

TEST_F(MainWindowTest, EnterOnDownLoadPressesItInstead) {
  openWindowOn(kTwoGames);
  window().downloadButton()->setFocus();
  prompts_.answerAsk(false);
  QTest::keyClick(window().downloadButton(), Qt::Key_Return);
  EXPECT_TRUE(window().isVisible());
  EXPECT_EQ(prompts_.questions(), std::vector<std::string>{"do you want to download Ultra/Super Combos: Hadouken to Port 1"});
}

TEST_F(MainWindowTest, TheCloseBoxEndsTheWindow) {
  openWindowOn(kTwoGames);
  window().close();
  EXPECT_FALSE(window().isVisible());
}

TEST_F(MainWindowTest, DownLoadWritesTheSelectedComboIntoTheChosenSlotWhileTheIndicatorIsBusy) {
  openWindowOn(kTwoGames);
  BusyIndicator& indicator = *window().indicator();
  PaintLog<bool> paintedBusy(indicator, [&indicator] { return indicator.isBusy(); });

  QTest::mouseClick(window().slotButton(2), Qt::LeftButton, {}, QPoint(5, window().slotButton(2)->height() / 2));
  ASSERT_TRUE(window().slotButton(2)->isChecked());
  prompts_.answerAsk(true);
  QTest::mouseClick(window().downloadButton(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window().deviceCommands().busy(); }));

  EXPECT_EQ(prompts_.questions(), std::vector<std::string>{"do you want to download Ultra/Super Combos: Hadouken to Port 3"});
  EXPECT_EQ(adapter_.slot(2), sampleBlock(1));
  // Drawn at once while busy, not merely requested, and idle again afterwards.
  EXPECT_NE(std::find(paintedBusy.seen.begin(), paintedBusy.seen.end(), true), paintedBusy.seen.end());
  EXPECT_FALSE(window().indicator()->isBusy());
  EXPECT_FALSE(window().deviceCommands().busy());
}

TEST_F(MainWindowTest, ATransferKeepsTheWindowPaintingAndACloseRequestEndsItAfterTheTransfer) {
  openWindowOn(kTwoGames);
  BusyIndicator& indicator = *window().indicator();
  PaintLog<int> paintedProgress(indicator, [&indicator] { return indicator.progressDone(); });

  pauses_.hold();
  prompts_.answerAsk(true);
  QTest::mouseClick(window().downloadButton(), Qt::LeftButton);
  for (int chunk = 1; chunk <= 8; ++chunk) {
    // The transfer waits in its pause, yet the window shows how far it has got.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window().indicator()->progressDone() == chunk; })) << chunk;
    EXPECT_EQ(paintedProgress.seen.back(), chunk);
    if (chunk == 3) {
      window().close();  // the close box
      QTest::keyClick(window().characterList(), Qt::Key_Escape);
      QTest::keyClick(window().characterList(), Qt::Key_Return);
      EXPECT_TRUE(window().isVisible()) << "a transfer is never cut short";
    }
    pauses_.releaseOne();
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window().isVisible(); }));
  EXPECT_EQ(adapter_.slot(0), sampleBlock(1));
  EXPECT_FALSE(window().deviceCommands().busy());
  EXPECT_EQ(prompts_.notices(), std::vector<std::string>{});
}

TEST_F(MainWindowTest, WhileATransferRunsCommandsAndPicksInTheListsAreRefused) {
  openWindowOn(kTwoGames);
  startHeldDownload();

  window().runCommand(kAddCharacter);
  QTest::keyClick(window().characterList(), Qt::Key_N, Qt::ControlModifier);
  QTest::keyClick(window().characterList(), Qt::Key_F2);
  QTest::mouseClick(window().downloadButton(), Qt::LeftButton);
  QTest::mouseClick(window().characterList()->viewport(), Qt::LeftButton, {}, centreOfRow(*window().characterList(), 1));
  EXPECT_EQ(prompts_.notices(), std::vector<std::string>(4, "Device is busy,please wait a moment."));
  EXPECT_EQ(selected(*window().characterList()), "Ryu");
  EXPECT_EQ(texts(*window().comboList()), (QStringList{"Hadouken", "Shoryuken"}));

  pauses_.open();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window().deviceCommands().busy(); }));
  QTest::mouseClick(window().characterList()->viewport(), Qt::LeftButton, {}, centreOfRow(*window().characterList(), 1));
  EXPECT_EQ(texts(*window().comboList()), QStringList{"Tatsumaki"}) << "picks go through again";
}

TEST_F(MainWindowTest, ALookupInsideATransferShowsItsMessageBeforeTheCommands) {
  openWindowOn(kTwoGames);
  adapter_.unplug();
  prompts_.clearEvents();
  prompts_.answerAsk(true);
  QTest::mouseClick(window().downloadButton(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window().deviceCommands().busy(); }));
  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>{"Can not find device.", "download failed: write refused"}));
  EXPECT_EQ(prompts_.title(), kDisconnectedTitle);
}

TEST_F(MainWindowTest, SlotFiveIsTheSelectedSlotWhenItsButtonIsChecked) {
  openWindowOn(kTwoGames);
  window().slotButton(4)->setChecked(true);
  EXPECT_EQ(window().deviceCommands().SelectedSlot(), 4);
  EXPECT_FALSE(window().isSlotButtonChecked(0));
}

// Each menu item, chosen with the right button on its list, runs its own command: the first
// thing that command asks tells which one ran. Every question is answered No, every name
// and file dialog cancelled.
struct MenuRoute {
  const char* list;
  const char* item;
  Kind firstPrompt;
  std::string text;     // question, or the name dialog's caption
  std::string caption;  // question's caption, or the name dialog's initial text
};

class MenuRouting : public MainWindowTest, public ::testing::WithParamInterface<MenuRoute> {};

TEST_P(MenuRouting, RunsTheItemsCommand) {
  openWindowOn(kTwoGames);
  adapter_.slot(0) = sampleBlock(9);  // a slot that holds a combo: "&Add" asks for no empty one
  prompts_.clearEvents();
  const MenuRoute& route = GetParam();
  switch (route.firstPrompt) {
    case Kind::Ask: prompts_.answerAsk(false); break;
    case Kind::AskName: prompts_.answerName(""); break;
    case Kind::OpenFile: prompts_.answerOpenFile(""); break;
    case Kind::SaveFile: prompts_.answerSaveFile(""); break;
    case Kind::EditScript: prompts_.answerScript(std::nullopt); break;
    default: break;
  }
  QWidget* target = route.list == std::string("games")        ? static_cast<QWidget*>(window().gameList())
                    : route.list == std::string("characters") ? window().characterList()->viewport()
                                                              : window().comboList()->viewport();
  whenMenu([&](QMenu& menu) { chooseItem(menu, route.item); });
  QTest::mousePress(target, Qt::RightButton, {}, QPoint(5, 5));
  // "&Add" of the combos reads the slot first, on the transfer's thread.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts_.events().empty(); }));
  const auto& first = prompts_.events().front();
  EXPECT_EQ(first.kind, route.firstPrompt);
  if (!route.text.empty()) {
    EXPECT_EQ(first.text, route.text);
  }
  if (!route.caption.empty()) {
    EXPECT_EQ(first.caption, route.caption);
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllItems, MenuRouting,
    ::testing::Values(
        MenuRoute{"games", "&Add", Kind::AskName, "Input Game Name", "Game Name"},
        MenuRoute{"games", "&Delete", Kind::Ask, "", ""},
        MenuRoute{"games", "&Rename", Kind::AskName, "Input Game Name", "Street Fighter IV"},
        MenuRoute{"games", "&Import", Kind::OpenFile, "", ""},
        MenuRoute{"games", "&Export", Kind::SaveFile, "", ""},
        MenuRoute{"characters", "&Add", Kind::AskName, "Input Character Name", "Character Name"},
        MenuRoute{"characters", "&Delete", Kind::Ask, "", ""},
        MenuRoute{"characters", "&Rename", Kind::AskName, "Input Character Name", "Ryu"},
        MenuRoute{"combos", "&Add", Kind::AskName, "Input Ultra/Super Combos Name", "Ultra/Super Combos Name"},
        MenuRoute{"combos", "&Reload", Kind::Ask, "do you want to reload Ultra/Super Combos: Hadouken from Port 1", ""},
        MenuRoute{"combos", "&Delete", Kind::Ask, "", "Warning"},
        MenuRoute{"combos", "&Rename", Kind::AskName, "Input Ultra/Super Combos Name", "Hadouken"},
        MenuRoute{"combos", "&Edit", Kind::EditScript, "", ""}));

TEST_F(MainWindowTest, TheListsKeysAskWhatTheirMenuItemsAsk) {
  openWindowOn(kTwoGames);
  prompts_.clearEvents();
  prompts_.answerName("");
  QTest::keyClick(window().characterList(), Qt::Key_F2);
  prompts_.answerAsk(false);
  QTest::keyClick(window().comboList(), Qt::Key_Delete);
  prompts_.answerName("");
  whenMenu([](QMenu& menu) { chooseItem(menu, "&Rename"); });
  QTest::keyClick(window().gameList(), Qt::Key_F10, Qt::ShiftModifier);
  const auto& asked = prompts_.events();
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[0].kind, Kind::AskName);
  EXPECT_EQ(asked[0].text, "Input Character Name");
  EXPECT_EQ(asked[0].caption, "Ryu");
  EXPECT_EQ(asked[1].kind, Kind::Ask);
  EXPECT_EQ(asked[1].caption, "Warning");
  EXPECT_EQ(asked[2].text, "Input Game Name");
  EXPECT_EQ(asked[2].caption, "Street Fighter IV");
}

TEST_F(MainWindowTest, TabVisitsTheListsThenDownLoadThenTheSlots) {
  openWindowOn(kTwoGames);
  QWidget* const order[] = {window().gameList(), window().characterList(), window().comboList(),
                            window().downloadButton(), window().slotButton(0)};
  for (QWidget* next : std::span(order).subspan(1)) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
  }
}

TEST_F(MainWindowTest, TheGameListShowsWhenItHasTheFocus) {
  openWindowOn(kTwoGames);
  ASSERT_TRUE(window().gameList()->hasFocus());
  const QImage focused = window().gameList()->grab().toImage();
  window().characterList()->setFocus();
  ASSERT_TRUE(eventually([&] { return !window().gameList()->hasFocus(); }));
  EXPECT_NE(window().gameList()->grab().toImage(), focused);
}

TEST_F(MainWindowTest, AddingACharacterFromItsMenuShowsIt) {
  openWindowOn(kTwoGames);
  prompts_.answerName("Chun-Li");
  whenMenu([](QMenu& menu) { chooseItem(menu, "&Add"); });
  QTest::mousePress(window().characterList()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_TRUE(texts(*window().characterList()).contains("Chun-Li"));
}

TEST_F(MainWindowTest, CtrlNTypesANewComboAsAScript) {
  openWindowOn(kTwoGames);
  prompts_.answerScript(sampleBlock(7));
  prompts_.answerName("Fireball");
  QTest::keyClick(window().characterList(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(texts(*window().comboList()), (QStringList{"Hadouken", "Shoryuken", "Fireball"}));
  EXPECT_EQ(selected(*window().comboList()), "Fireball");
  EXPECT_TRUE(window().comboList()->toolTip().contains(QKeySequence("Ctrl+N").toString(QKeySequence::NativeText)));
}

TEST_F(MainWindowTest, CtrlZUndoesTheNewestDeleteAndSelectsWhatCameBack) {
  openWindowOn(kTwoGames);
  QTest::keyClick(window().characterList(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(prompts_.notices(), std::vector<std::string>{"There is nothing to undo."});

  prompts_.answerAsk(true);
  window().runCommand(kDeleteCharacter);
  prompts_.answerAsk(true);
  QTest::keyClick(window().characterList(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(prompts_.questions().back(), "Undo the delete of Character: Ryu of Street Fighter IV (2 combos)?");
  EXPECT_EQ(selected(*window().characterList()), "Ryu");
  EXPECT_EQ(texts(*window().comboList()), (QStringList{"Hadouken", "Shoryuken"}));
}

TEST_F(MainWindowTest, ClosingTheScriptEditorAsksForNoName) {
  openWindowOn(kTwoGames);
  prompts_.answerScript(std::nullopt);
  window().runCommand(kNewComboFromScript);
  ASSERT_EQ(prompts_.events().size(), 2u);  // the title at start-up, then the editor
  EXPECT_EQ(prompts_.events().back().kind, Kind::EditScript);
}

TEST_F(MainWindowTest, F1ShowsTheAboutBox) {
  openWindowOn(kTwoGames);
  QString caption;
  QStringList lines;
  whenModal<AboutBox>([&](AboutBox& about) {
    caption = about.windowTitle();
    lines << about.findChild<QLabel*>("productName")->text() << about.findChild<QLabel*>("productVersion")->text();
    QTest::keyClick(&about, Qt::Key_Escape);
  });
  QTest::keyClick(window().gameList(), Qt::Key_F1);
  EXPECT_EQ(caption, QStringLiteral("关于 Strikepad 2.0 Velocade"));
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], "Strikepad 2.0 Velocade");
  EXPECT_FALSE(lines[1].isEmpty());
  EXPECT_TRUE(window().isVisible());
}

TEST_F(MainWindowTest, TheBackgroundMenuOffersTheAboutBox) {
  openWindowOn(kTwoGames);
  bool aboutShown = false;
  whenMenu([&](QMenu& menu) {
    whenModal<AboutBox>([&](AboutBox& about) {
      aboutShown = true;
      about.accept();
    });
    chooseItem(menu, aboutEntryText());
  });
  QContextMenuEvent press(QContextMenuEvent::Mouse, QPoint(2, 2), window().mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(&window(), &press);
  EXPECT_TRUE(eventually([&] { return aboutShown; }));
  EXPECT_TRUE(window().isVisible());
}

}  // namespace
}  // namespace strikepad::testing
