#pragma once
// The main window on a real catalogue (sp.dat in a temporary folder, which is the current
// folder while the window lives), with scripted prompts and an adapter in memory.

#include <gtest/gtest.h>

#include <QListView>
#include <QPushButton>
#include <QTest>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "app/busy_indicator.h"
#include "app/main_dialog.h"
#include "app/menu_lists.h"
#include "flows/catalogue_flows.h"
#include "catalogue_harness.h"
#include "scripted_prompts.h"
#include "simulated_adapter.h"
#include "store/schema.h"
#include "store/store.h"
#include "store/transaction.h"
#include "temp_dir.h"

namespace strikepad::testing {

// Two games, the first with two characters: what the drop and main window tests open.
inline const std::vector<GameSample> kTwoGames{
    {"Street Fighter IV", {{"Ryu", {"Hadouken", "Shoryuken"}}, {"Ken", {"Tatsumaki"}}}},
    {"Tekken 6", {{"Jin", {"Electric"}}}},
};

// A combo block whose first step holds `firstButtons`.
inline ComboBlock sampleBlock(std::uint8_t firstButtons) {
  ComboBlock block = emptyComboBlock();
  block[kFirstButtonByte] = firstButtons;
  block[kSecondButtonByte] = 0;
  block[kAxisLx] = block[kAxisLy] = block[kAxisRx] = block[kAxisRy] = kAxisAtRest;
  block[kTimeLow] = 100;
  block[kTimeHigh] = 0;
  return block;
}

// The pause between the chunks of a transfer, run on the transfer's thread. It does not wait
// on time: an open gate lets every pause through at once, a held one lets one pause through
// each time the test releases it.
class PauseGate {
 public:
  void hold() {
    const std::lock_guard lock(mutex_);
    held_ = true;
  }
  void releaseOne() {
    const std::lock_guard lock(mutex_);
    ++released_;
    changed_.notify_all();
  }
  void open() {
    const std::lock_guard lock(mutex_);
    held_ = false;
    changed_.notify_all();
  }
  void pause() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !held_ || released_ > 0; });
    if (held_) --released_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool held_ = false;
  int released_ = 0;
};

class WindowTest : public ::testing::Test {
 protected:
  // Fills sp.dat with `games` (empty: a catalogue with no games) and opens the window on it.
  void openWindowOn(const std::vector<GameSample>& games) {
    makeCatalogue(dir_ / "sp.dat", games);
    openWindow();
  }

  // Makes `file` a catalogue holding `games`.
  static void makeCatalogue(const std::filesystem::path& file, const std::vector<GameSample>& games) {
    std::string message;
    ASSERT_TRUE(createCatalogue(file, message)) << message;
    fillCatalogue(file, games);
  }

  // Opens the window in the folder as it is (possibly without sp.dat), on `catalogue`.
  void openWindow(const std::filesystem::path& catalogue = "sp.dat") {
    previousFolder_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
    LinkTiming gated;
    gated.pause = [this](std::chrono::milliseconds) { pauses_.pause(); };
    window_ = std::make_unique<MainDialog>(prompts_, adapter_, gated, catalogue);
    window_->initialise();
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));  // keys and shortcuts go to the active window
  }

  // Starts a DownLoad that waits in its first pause: the window is busy until pauses_ lets it on.
  void startHeldDownload() {
    pauses_.hold();
    prompts_.answerAsk(true);
    QTest::mouseClick(window().downloadButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window().indicator()->progressDone() == 1; }));
  }

  void TearDown() override {
    pauses_.open();  // a transfer a failed test left held ends, so the window can go
    window_.reset();
    if (!previousFolder_.empty()) std::filesystem::current_path(previousFolder_);
  }

  static QStringList texts(const QListView& list) {
    QStringList result;
    for (int row = 0; row < list.model()->rowCount(); ++row) result << list.model()->index(row, 0).data().toString();
    return result;
  }
  static QStringList texts(const QComboBox& box) {
    QStringList result;
    for (int index = 0; index < box.count(); ++index) result << box.itemText(index);
    return result;
  }
  static QString selected(const QListView& list) {
    const QModelIndexList rows = list.selectionModel()->selectedIndexes();
    return rows.isEmpty() ? QString("<none>") : rows.front().data().toString();
  }

  MainDialog& window() { return *window_; }

  TempDir dir_;
  ScriptedPrompts prompts_;
  SimulatedAdapter adapter_;
  std::unique_ptr<MainDialog> window_;
  PauseGate pauses_;

 private:
  static void fillCatalogue(const std::filesystem::path& file, const std::vector<GameSample>& games) {
    ScriptedPrompts quiet;
    CatalogueHarness filling(file, quiet);
    ASSERT_TRUE(filling.store.ConnectStore());
    Transaction oneWrite(filling.store);  // a thousand combos are written in a moment, not one by one
    std::uint8_t buttons = 1;
    for (const GameSample& game : games) storeSample(filling.file, game, [&] { return sampleBlock(buttons++); });
    ASSERT_TRUE(oneWrite.commit());
    EXPECT_TRUE(quiet.messages().empty());
  }

  std::filesystem::path previousFolder_;
};

}  // namespace strikepad::testing
