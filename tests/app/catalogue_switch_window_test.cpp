// The window's "Open catalogue…" and "New catalogue…", and a catalogue named at start-up.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "app/commands.h"
#include "app/next_step_hint.h"
#include "flows/device_flows.h"
#include "ui_driver.h"
#include "window_fixture.h"

namespace strikepad::testing {
namespace {

class CatalogueSwitchWindowTest : public WindowTest {
 protected:
  QAction* backgroundEntry(const QString& text) {
    for (QAction* action : window().backgroundMenu()->actions())
      if (action->text() == text) return action;
    return nullptr;
  }
  const std::filesystem::path other_ = dir_ / "other.dat";
};

TEST_F(CatalogueSwitchWindowTest, OpenCatalogueRefillsTheListsAndTheGameListNamesTheFile) {
  openWindowOn(kTwoGames);
  makeCatalogue(other_, {{"Tekken 7", {{"Kazuya", {"Electric"}}}}});
  prompts_.answerOpenFile(other_.string());
  QAction* open = backgroundEntry(QString::fromUtf8("Open catalogue\u2026"));
  ASSERT_NE(open, nullptr);
  open->trigger();

  EXPECT_EQ(texts(*window().gameList()), QStringList{"Tekken 7"});
  EXPECT_EQ(texts(*window().comboList()), QStringList{"Electric"});
  EXPECT_TRUE(window().gameList()->toolTip().contains(QString::fromStdString(other_.string())));
}

TEST_F(CatalogueSwitchWindowTest, NewCatalogueIsRefusedWhileATransferRunsAndWorksAfterIt) {
  openWindowOn(kTwoGames);
  startHeldDownload();
  QTest::keyClick(window().characterList(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(prompts_.notices(), std::vector<std::string>{"Device is busy,please wait a moment."});
  EXPECT_EQ(texts(*window().gameList()), (QStringList{"Street Fighter IV", "Tekken 6"}));

  pauses_.open();
  ASSERT_TRUE(eventually([&] { return !window().deviceCommands().busy(); }));
  prompts_.answerSaveFile(other_.string());
  backgroundEntry(QString::fromUtf8("New catalogue\u2026"))->trigger();
  EXPECT_TRUE(std::filesystem::exists(other_));
  EXPECT_EQ(window().gameList()->count(), 0);
  EXPECT_TRUE(window().nextStepHint()->text().contains("The catalogue is empty"));
}

TEST_F(CatalogueSwitchWindowTest, ACatalogueGivenAtStartUpCreatesNothingInTheCurrentFolder) {
  TempDir elsewhere;
  makeCatalogue(elsewhere / "sp.dat", kTwoGames);
  openWindow(elsewhere / "sp.dat");
  EXPECT_EQ(texts(*window().gameList()), (QStringList{"Street Fighter IV", "Tekken 6"}));
  prompts_.answerAsk(true);
  window().runCommand(kDeleteGame);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
}

}  // namespace
}  // namespace strikepad::testing
