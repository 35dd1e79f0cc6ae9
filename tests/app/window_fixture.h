#pragma once
// The main window on a real catalogue (sp.dat in a temporary folder, which is the current
// folder while the window lives), with scripted prompts and an adapter in memory.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "app/menu_lists.h"
#include "catalogue/catalogue.h"
#include "scripted_prompts.h"
#include "simulated_adapter.h"
#include "store/schema.h"
#include "store/store.h"
#include "store/transaction.h"
#include "temp_dir.h"

namespace strikepad::testing {

struct CharacterSample {
  std::string name;
  std::vector<std::string> combos;
};
struct GameSample {
  std::string name;
  std::vector<CharacterSample> characters;
};

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

class WindowTest : public ::testing::Test {
 protected:
  // Fills sp.dat with `games` (empty: a catalogue with no games) and opens the window on it.
  void openWindowOn(const std::vector<GameSample>& games) {
    std::string message;
    ASSERT_TRUE(createCatalogue(dir_ / "sp.dat", message)) << message;
    fill(games);
    openWindow();
  }

  // Opens the window in the folder as it is (possibly without sp.dat).
  void openWindow() {
    previousFolder_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
    LinkTiming instant;
    instant.pause = [this](std::chrono::milliseconds) {
      if (duringPause_) duringPause_();
    };
    window_ = std::make_unique<MainDialog>(prompts_, adapter_, instant);
    window_->initialise();
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));  // keys and shortcuts go to the active window
  }

  void TearDown() override {
    window_.reset();
    if (!previousFolder_.empty()) std::filesystem::current_path(previousFolder_);
  }

  static QStringList texts(const QListWidget& list) {
    QStringList result;
    for (int row = 0; row < list.count(); ++row) result << list.item(row)->text();
    return result;
  }
  static QStringList texts(const QComboBox& box) {
    QStringList result;
    for (int index = 0; index < box.count(); ++index) result << box.itemText(index);
    return result;
  }
  static QString selected(const QListWidget& list) {
    return list.selectedItems().isEmpty() ? QString("<none>") : list.selectedItems().front()->text();
  }

  MainDialog& window() { return *window_; }

  TempDir dir_;
  ScriptedPrompts prompts_;
  SimulatedAdapter adapter_;
  std::unique_ptr<MainDialog> window_;
  // Runs in each pause between the chunks of a transfer, where the window's event loop would.
  std::function<void()> duringPause_;

 private:
  void fill(const std::vector<GameSample>& games) {
    ScriptedPrompts quiet;
    VectorPickList gameList, characterList, comboList;
    Store store(dir_ / "sp.dat");
    ASSERT_TRUE(store.ConnectStore());
    Catalogue catalogue(store, quiet, {gameList, characterList, comboList});
    Transaction oneWrite(store);  // a thousand combos are written in a moment, not one by one
    std::uint8_t buttons = 1;
    for (const GameSample& game : games) {
      const RecordId gameId = catalogue.StoreNewGame(game.name);
      for (const CharacterSample& character : game.characters) {
        const RecordId characterId = catalogue.StoreNewCharacter(character.name, gameId);
        for (const std::string& combo : character.combos) {
          const ComboBlock block = sampleBlock(buttons++);
          catalogue.StoreNewCombo(combo, characterId, block.data(), block.size());
        }
      }
    }
    ASSERT_TRUE(oneWrite.commit());
  }

  std::filesystem::path previousFolder_;
};

}  // namespace strikepad::testing
