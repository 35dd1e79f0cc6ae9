// Ctrl+C and Ctrl+V of a combo through the system clipboard, between two windows on two
// catalogues in one process.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "app/combo_clipboard.h"
#include "combo/script_printer.h"
#include "flows/catalogue_flows.h"
#include "operations/catalogue_operations.h"
#include "window_fixture.h"

namespace strikepad::testing {
namespace {

class ComboClipboardTest : public WindowTest {
 protected:
  // A second window, on a catalogue of its own: one game, one character, no combo.
  void openOtherWindow() {
    makeCatalogue(otherDir_ / "sp.dat", {{"Tekken 6", {{"Jin", {}}}}});
    other_ = std::make_unique<MainDialog>(otherPrompts_, otherAdapter_, LinkTiming{}, otherDir_ / "sp.dat");
    other_->initialise();
    other_->show();
    other_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(other_.get()));
  }

  void TearDown() override {
    other_.reset();
    WindowTest::TearDown();
  }

  TempDir otherDir_;
  ScriptedPrompts otherPrompts_;
  SimulatedAdapter otherAdapter_;
  std::unique_ptr<MainDialog> other_;
};

TEST_F(ComboClipboardTest, CtrlCOnTheComboListPutsTheScriptAndTheBlockOnTheClipboard) {
  openWindowOn(kTwoGames);
  window().comboList()->setFocus();
  QTest::keyClick(window().comboList(), Qt::Key_C, Qt::ControlModifier);
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  const ComboBlock hadouken = sampleBlock(1);
  EXPECT_EQ(data->text(), QString::fromStdString(printScript(hadouken)).replace("\r\n", "\n"));
  EXPECT_EQ(data->data(kComboMimeType),
            QByteArray(reinterpret_cast<const char*>(hadouken.data()), static_cast<qsizetype>(hadouken.size())));
}

TEST_F(ComboClipboardTest, CtrlVOnACharacterInAnotherWindowStoresTheSameBytesThere) {
  openWindowOn(kTwoGames);
  QTest::keyClick(window().comboList(), Qt::Key_C, Qt::ControlModifier);
  openOtherWindow();
  other_->characterList()->setFocus();
  otherPrompts_.answerName("Hadouken");
  QTest::keyClick(other_->characterList(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(texts(*other_->comboList()), QStringList{"Hadouken"});
  Catalogue& there = other_->catalogue();
  const BlockResult pasted = readComboData(there.file(), there.lists().combos.selectedId());
  const ComboBlock hadouken = sampleBlock(1);
  EXPECT_EQ(pasted.bytes, std::vector<std::uint8_t>(hadouken.begin(), hadouken.end()));
}

}  // namespace
}  // namespace strikepad::testing
