#include "flows/device_flows.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "catalogue_harness.h"
#include "link_fixture.h"
#include "store/schema.h"
#include "store/store.h"
#include "temp_dir.h"

namespace strikepad::testing {
namespace {

using namespace std::chrono_literals;

// The window's slot buttons and indicator. Each drawing notes how many prompts were shown
// before it, so a test can tell whether a message came while the indicator was busy.
class FakePanel final : public DevicePanel {
 public:
  struct Drawing {
    bool busy;
    TransferState transfer;
    std::size_t promptsBefore;
  };

  explicit FakePanel(const ScriptedPrompts& prompts) : prompts_(prompts) {}

  void check(int slot) {
    checked.fill(false);
    if (slot >= 0) checked.at(static_cast<std::size_t>(slot)) = true;
  }

  bool isSlotButtonChecked(int slot) const override { return checked.at(static_cast<std::size_t>(slot)); }
  void drawBusyIndicator(bool busy, TransferState transfer) override {
    drawings.push_back({busy, transfer, prompts_.events().size()});
  }
  void invalidateClientArea() override { ++invalidations; }

  std::array<bool, 5> checked{true, false, false, false, false};
  std::vector<Drawing> drawings;
  int invalidations = 0;

 private:
  const ScriptedPrompts& prompts_;
};

ComboBlock blockOf(std::uint8_t fill) {
  ComboBlock block;
  block.fill(fill);
  return block;
}

// A catalogue on a fresh sp.dat with game "Street", character "Ryu" and his combos
// "Hadou" and "Shoryu", filled into the lists as the window shows them.
class DeviceCommandsTest : public LinkTest {
 protected:
  void SetUp() override {
    std::string problem;
    ASSERT_TRUE(createCatalogue(folder / "sp.dat", problem)) << problem;
    ASSERT_TRUE(store.ConnectStore());
    ASSERT_TRUE(file.open().done());
    const RecordId game = catalogue.StoreNewGame("Street").id;
    ryu = addCharacter(catalogue.file(), game, "Ryu").id;
    hadou = catalogue.StoreNewCombo("Hadou", ryu, hadouBlock.data(), hadouBlock.size()).id;
    shoryu = catalogue.StoreNewCombo("Shoryu", ryu, shoryuBlock.data(), shoryuBlock.size()).id;
    catalogue.FillGameList();
    ASSERT_EQ(combos.count(), 2);
    ASSERT_EQ(lookUpAdapter(link, window), true);
    window.clearEvents();
  }

  std::vector<std::uint8_t> stored(RecordId combo) { return storedData(catalogue, combo).value_or(std::vector<std::uint8_t>{}); }
  static std::vector<std::uint8_t> bytes(const ComboBlock& block) { return {block.begin(), block.end()}; }

  // Busy on, the transfer's progress, busy off: and a message shown before the end came while busy.
  void expectBusySpan(std::size_t progressSteps) {
    ASSERT_EQ(panel.drawings.size(), progressSteps + 2);
    EXPECT_TRUE(panel.drawings.front().busy);
    for (std::size_t step = 1; step <= progressSteps; ++step) {
      EXPECT_TRUE(panel.drawings[step].busy);
      EXPECT_EQ(panel.drawings[step].transfer.done, static_cast<int>(step));
      EXPECT_EQ(panel.drawings[step].transfer.total, 8);
    }
    EXPECT_FALSE(panel.drawings.back().busy);
    EXPECT_EQ(panel.drawings.back().transfer.total, 0);
    EXPECT_FALSE(commands.busy());
  }
  bool shownWhileBusy(const std::string& text) const {
    const auto& events = window.events();
    for (std::size_t i = 0; i < events.size(); ++i)
      if (events[i].text == text) return i >= panel.drawings.front().promptsBefore && i < panel.drawings.back().promptsBefore;
    return false;
  }

  const ComboBlock hadouBlock = blockOf(0x11);
  const ComboBlock shoryuBlock = blockOf(0x22);
  TempDir folder;
  CatalogueHarness harness{folder / "sp.dat", window};
  Store& store = harness.store;
  VectorPickList& games = harness.games;
  VectorPickList& characters = harness.characters;
  VectorPickList& combos = harness.combos;
  Catalogue& catalogue = harness.catalogue;
  FakePanel panel{window};
  CatalogueFile file{folder / "sp.dat"};
  DeviceCommands commands{link, catalogue, file, panel};
  RecordId ryu = -1, hadou = -1, shoryu = -1;
};

// --- before any transfer ---

TEST_F(DeviceCommandsTest, SelectedSlotIsTheFirstCheckedOfTheFirstFourElseFive) {
  for (int slot = 0; slot < 5; ++slot) {
    panel.check(slot);
    EXPECT_EQ(commands.SelectedSlot(), slot);
  }
  panel.check(-1);
  EXPECT_EQ(commands.SelectedSlot(), 4) << "no button checked";
}

TEST_F(DeviceCommandsTest, NothingToTransferIsRefusedBeforeTheAdapterIsTouched) {
  combos.select(-1);
  characters.select(-1);
  commands.OnDownload();
  commands.OnReload();
  commands.OnCapture();
  combos.clear();
  characters.clear();
  commands.OnDownload();
  commands.OnReload();
  commands.OnCapture();
  EXPECT_EQ(window.messages(), (std::vector<std::string>{"your need to select a Ultra/Super Combos as first.",
                                                         "Select a Character at first",
                                                         "your Ultra/Super Combos list is empty.",
                                                         "Character list is empty"}))
      << "Reload says nothing";
  EXPECT_TRUE(adapter.accepted().empty());
  EXPECT_TRUE(panel.drawings.empty());
}

TEST_F(DeviceCommandsTest, ASecondDeviceCommandIsRefusedWhileBusy) {
  commands.SetBusy(1);
  commands.OnDownload();
  commands.OnReload();
  commands.OnCapture();
  EXPECT_EQ(window.messages(), std::vector<std::string>(3, "Device is busy,please wait a moment."));
  EXPECT_TRUE(adapter.accepted().empty());
  EXPECT_TRUE(commands.busy()) << "the running command clears it, not the refused ones";
}

// --- Download ---

TEST_F(DeviceCommandsTest, DownloadWritesTheSelectedComboIntoTheChosenSlot) {
  combos.select(1);
  panel.check(4);
  window.answerAsk(true);
  commands.OnDownload();

  EXPECT_EQ(window.questions(), std::vector<std::string>{"do you want to download Ultra/Super Combos: Shoryu to Port 5"});
  EXPECT_EQ(adapter.slot(4), shoryuBlock);
  EXPECT_EQ(adapter.accepted().front()[2], 4) << "port 5 is slot 4 in the reports";
  EXPECT_EQ(panel.invalidations, 1);
  EXPECT_EQ(pauses.size(), 8u);
  expectBusySpan(8);
  EXPECT_EQ(window.notices(), std::vector<std::string>{});
  EXPECT_EQ(window.reports(), std::vector<std::string>{"Shoryu downloaded to slot 5"}) << "the status line";
}

TEST_F(DeviceCommandsTest, AnsweringNoLeavesEverythingAlone) {
  window.answerAsk(false);
  commands.OnDownload();
  window.answerAsk(false);
  commands.OnReload();
  EXPECT_TRUE(adapter.accepted().empty());
  EXPECT_EQ(adapter.slot(0), emptyComboBlock());
  EXPECT_EQ(stored(hadou), bytes(hadouBlock));
  EXPECT_TRUE(panel.drawings.empty());
  EXPECT_EQ(panel.invalidations, 0);
}

TEST_F(DeviceCommandsTest, AFailedDownloadSaysSoWhileBusy) {
  adapter.refuseWrite(0);
  adapter.refuseWrite(1);
  window.answerAsk(true);
  commands.OnDownload();
  EXPECT_EQ(window.notices(), std::vector<std::string>{"download failed: write refused"}) << "the transport's reason";
  EXPECT_TRUE(shownWhileBusy("download failed: write refused"));
  expectBusySpan(0);
  EXPECT_EQ(adapter.slot(0), emptyComboBlock()) << "no chunk of the block was sent";
  EXPECT_EQ(stored(hadou), bytes(hadouBlock));
  EXPECT_EQ(window.reports(), std::vector<std::string>{}) << "nothing was done";
}

TEST_F(DeviceCommandsTest, WithoutAnAdapterOnlyTheLookupsMessageShows) {
  link.CloseDevice();
  adapter.unplug();
  window.answerAsk(true);
  commands.OnDownload();
  EXPECT_EQ(window.notices(), std::vector<std::string>{"Can not find device."});
  EXPECT_EQ(window.title(), "Norvik Strikepad 2.0 Velocade [Disconnected]");
  expectBusySpan(0);

  window.clearEvents();
  panel.drawings.clear();
  commands.OnCapture();
  EXPECT_EQ(window.notices(), std::vector<std::string>{"Can not find device."});
  EXPECT_EQ(combos.count(), 2);
  expectBusySpan(0);
}

TEST_F(DeviceCommandsTest, AnAdapterPulledSinceTheLookupGivesBothMessages) {
  adapter.unplug();
  window.answerAsk(true);
  commands.OnDownload();
  EXPECT_EQ(window.notices(), (std::vector<std::string>{"Can not find device.", "download failed: write refused"}));
  expectBusySpan(0);
}

TEST_F(DeviceCommandsTest, EmptyOrVanishedDataSendsNothingButPassesThroughBusy) {
  const RecordId empty = catalogue.StoreNewCombo("Nothing", ryu, nullptr, 0).id;
  combos.select(combos.append("Nothing", empty));
  window.answerAsk(true);
  commands.OnDownload();
  EXPECT_TRUE(adapter.accepted().empty());
  EXPECT_TRUE(window.notices().empty());
  expectBusySpan(0);

  deleteCombo(catalogue.file(), hadou);
  EXPECT_EQ(commands.DownloadCombo(hadou, 0), 0);
  EXPECT_TRUE(adapter.accepted().empty());
  EXPECT_TRUE(window.notices().empty());
}

TEST_F(DeviceCommandsTest, AShortStoredValueGoesOutPaddedWithEndMarkers) {
  const std::vector<std::uint8_t> oneStep{0x40, 0x00, 0x80, 0x80, 0x80, 0x80, 0x10, 0x00};
  ASSERT_EQ(catalogue.ReplaceComboData(hadou, oneStep.data(), oneStep.size()), 1);
  adapter.slot(0) = blockOf(0x00);
  EXPECT_EQ(commands.DownloadCombo(hadou, 0), 1);
  EXPECT_EQ(adapter.slot(0), blockFromBytes(oneStep.data(), oneStep.size()));
}

// --- Reload ---

TEST_F(DeviceCommandsTest, ReloadStoresWhatTheSlotHoldsAsTheCombosData) {
  adapter.slot(1) = blockOf(0x5C);
  combos.select(1);
  panel.check(1);
  window.answerAsk(true);
  commands.OnReload();

  EXPECT_EQ(window.questions(), std::vector<std::string>{"do you want to reload Ultra/Super Combos: Shoryu from Port 2"});
  EXPECT_EQ(stored(shoryu), bytes(blockOf(0x5C)));
  EXPECT_EQ(stored(hadou), bytes(hadouBlock));
  EXPECT_EQ(combos.entries().size(), 2u) << "the list is not refilled";
  EXPECT_EQ(combos.selectedIndex(), 1);
  expectBusySpan(8);
  EXPECT_EQ(window.reports(), std::vector<std::string>{"slot 2 read into Shoryu"});
}

TEST_F(DeviceCommandsTest, AFailedReloadKeepsTheCombosData) {
  struct Case {
    const char* what;
    void (*arrange)(SimulatedAdapter&);
    std::vector<std::string> notices;
  };
  const Case cases[] = {
      {"silent adapter", [](SimulatedAdapter& a) { a.staySilent(); },
       {"reload failed: no reply from the adapter within 2000 ms"}},
      {"short replies", [](SimulatedAdapter& a) { a.sendRepliesOfSize(20); },
       {"reload failed: a slot reply of 20 bytes instead of 49"}},
      {"no adapter", [](SimulatedAdapter& a) { a.unplug(); }, {"Can not find device."}},
  };
  for (const Case& c : cases) {
    SimulatedAdapter faulty;
    faulty.slot(0) = blockOf(0x99);
    c.arrange(faulty);
    DeviceLink faultyLink(faulty, LinkTiming{.pause = [](std::chrono::milliseconds) {}});
    DeviceCommands faultyCommands(faultyLink, catalogue, file, panel);
    window.clearEvents();
    panel.drawings.clear();
    window.answerAsk(true);
    faultyCommands.OnReload();
    EXPECT_EQ(window.notices(), c.notices) << c.what;
    EXPECT_TRUE(shownWhileBusy(c.notices.back())) << c.what;
    EXPECT_FALSE(faultyCommands.busy()) << c.what;
    EXPECT_FALSE(panel.drawings.back().busy) << c.what;
    EXPECT_EQ(stored(hadou), bytes(hadouBlock)) << c.what;
  }
}

TEST_F(DeviceCommandsTest, ReloadOfAVanishedComboReadsTheSlotAndStoresNothing) {
  adapter.slot(0) = blockOf(0x44);
  deleteCombo(catalogue.file(), hadou);
  window.answerAsk(true);
  commands.OnReload();
  EXPECT_EQ(adapter.accepted().size(), 1u) << "the read request";
  EXPECT_FALSE(storedData(catalogue, hadou).has_value());
  EXPECT_TRUE(window.notices().empty());
  expectBusySpan(8);
}

TEST_F(DeviceCommandsTest, AnEmptySlotIsStoredOnlyWhenTheUserSaysSo) {
  panel.check(3);
  window.answerAsk(true);
  window.answerAsk(false);
  commands.OnReload();
  EXPECT_EQ(window.questions().back(), "slot 4 is empty: store an empty combo?");
  EXPECT_EQ(stored(hadou), bytes(hadouBlock));

  window.answerAsk(false);
  commands.OnCapture();
  EXPECT_EQ(window.questions().back(), "slot 4 is empty: store an empty combo?");
  EXPECT_TRUE(window.texts(ScriptedPrompts::Kind::AskName).empty()) << "asked before the name";
  EXPECT_EQ(combos.count(), 2);

  window.answerAsk(true);
  window.answerAsk(true);
  commands.OnReload();
  EXPECT_EQ(stored(hadou), bytes(emptyComboBlock()));
}

// --- Capture ---

TEST_F(DeviceCommandsTest, CaptureStoresTheSlotAsANewComboOfTheCharacter) {
  adapter.slot(2) = blockOf(0x3C);
  panel.check(2);
  window.answerName("Ultra/Super Combos Name");
  commands.OnCapture();

  ASSERT_EQ(combos.count(), 3);
  EXPECT_EQ(combos.selectedIndex(), 2);
  EXPECT_EQ(combos.selectedText(), "Ultra/Super Combos Name");
  EXPECT_EQ(stored(combos.selectedId()), bytes(blockOf(0x3C)));
  EXPECT_TRUE(window.questions().empty()) << "no confirmation";
  const auto& asked = window.events().back();
  EXPECT_EQ(asked.text, "Input Ultra/Super Combos Name");
  EXPECT_EQ(asked.caption, "Ultra/Super Combos Name");
  EXPECT_EQ(panel.drawings.back().promptsBefore, window.events().size() - 1) << "the name is asked when no longer busy";
  expectBusySpan(8);
  EXPECT_EQ(window.reports(), std::vector<std::string>{"slot 3 read into the new combo Ultra/Super Combos Name"});
}

TEST_F(DeviceCommandsTest, ACancelledNameDropsTheBlock) {
  adapter.slot(0) = blockOf(0x44);
  window.answerName("");
  commands.OnCapture();
  EXPECT_EQ(combos.count(), 2);
  catalogue.FillComboList();
  EXPECT_EQ(combos.count(), 2) << "nothing stored";
}

TEST_F(DeviceCommandsTest, ATakenNameSelectsByTheFindStringRule) {
  adapter.slot(0) = blockOf(0x44);
  combos.clear();
  combos.append("Shoryu", shoryu);
  combos.append("Shoryuken", 99);
  window.answerName("Shoryu");
  commands.OnCapture();
  EXPECT_EQ(window.notices(), std::vector<std::string>{"This key name is always exist."});
  EXPECT_EQ(combos.selectedIndex(), 1) << "the search starts after the first entry";
  EXPECT_EQ(stored(shoryu), bytes(shoryuBlock));
}

TEST_F(DeviceCommandsTest, ACaptureTheStoreRefusesShowsTheStoresReportOnceBusyHasEnded) {
  adapter.slot(0) = blockOf(0x44);
  // Another program's index fails on the combo Captured (its value overflows).
  ASSERT_TRUE(store.execute("create index refuse on moves(abs(-9223372036854775808 + 0 * roleid)) where name='Captured'"));
  window.answerName("Captured");
  commands.OnCapture();
  ASSERT_EQ(window.warnings().size(), 1u);
  EXPECT_EQ(window.warnings().front().rfind("error Information:", 0), 0u) << "the store's own report";
  EXPECT_FALSE(shownWhileBusy(window.warnings().front()));
  EXPECT_EQ(combos.count(), 2);
  catalogue.FillComboList();
  EXPECT_EQ(combos.count(), 2) << "nothing stored";
}

TEST_F(DeviceCommandsTest, AFailedCaptureStoresNothingAndAsksNoName) {
  adapter.staySilent();
  commands.OnCapture();
  EXPECT_EQ(window.messages(),
            std::vector<std::string>{"read device failed: no reply from the adapter within 2000 ms"});
  EXPECT_TRUE(shownWhileBusy(window.messages().front()));
  EXPECT_TRUE(window.texts(ScriptedPrompts::Kind::AskName).empty());
  EXPECT_EQ(combos.count(), 2);
  expectBusySpan(0);

  adapter.unplug();
  window.clearEvents();
  panel.drawings.clear();
  adapter.plugIn();
  adapter.breakHidLayer();
  commands.OnCapture();
  EXPECT_EQ(window.notices(),
            (std::vector<std::string>{"Can not Open HID Device!", "read device failed: write refused"}));
  expectBusySpan(0);
}

}  // namespace
}  // namespace strikepad::testing
