// The device commands on a real catalogue against an adapter that fails mid-transfer:
// unplugged between chunks or replies, short or oversized replies, silence, and replies left
// over from an earlier read. Every failure ends with its message, the busy flag cleared, the
// indicator idle and the catalogue as it was. (Faults of single transfers are in tests/device.)

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "flows/catalogue_flows.h"
#include "catalogue_files.h"
#include "catalogue_harness.h"
#include "device/slot_protocol.h"
#include "flows/device_flows.h"
#include "flows/lookup_notices.h"
#include "scripted_prompts.h"
#include "simulated_adapter.h"
#include "store/schema.h"
#include "store/store.h"
#include "temp_dir.h"
#include "operations/catalogue_operations.h"

namespace strikepad::testing {
namespace {

// A SimulatedAdapter with faults that strike in the middle of a transfer.
class FaultyAdapter final : public HidTransport {
 public:
  explicit FaultyAdapter(SimulatedAdapter& adapter) : adapter_(adapter) {}

  // Pulled out once this many reports were taken in (chunks, or the read request).
  void unplugAfterWrites(int count) { unplugAfterWrites_ = count; }
  // Pulled out once this many slot replies were handed over.
  void unplugAfterReplies(int count) { unplugAfterReplies_ = count; }
  // After this many replies the adapter falls behind: one read waits in vain, and the rest
  // of the replies arrive late, after the tool has given up on them.
  void fallBehindAfterReplies(int count) { fallBehindAfter_ = count; }

  OpenResult open(std::uint16_t vendorId, std::uint16_t productId) override { return adapter_.open(vendorId, productId); }
  bool isOpen() const override { return adapter_.isOpen(); }
  void close() override { adapter_.close(); }
  std::string lastError() const override { return adapter_.lastError(); }

  bool write(const Report& report) override {
    const bool accepted = adapter_.write(report);
    if (accepted && ++writes_ == unplugAfterWrites_) adapter_.unplug();
    return accepted;
  }

  ReadResult read(std::vector<std::uint8_t>& report, std::chrono::milliseconds timeout) override {
    if (replies_ == fallBehindAfter_) {
      fallBehindAfter_ = -1;
      return ReadResult::TimedOut;
    }
    const ReadResult result = adapter_.read(report, timeout);
    if (result == ReadResult::Received && isSlotReply(report) && ++replies_ == unplugAfterReplies_) adapter_.unplug();
    return result;
  }

 private:
  SimulatedAdapter& adapter_;
  int unplugAfterWrites_ = -1;
  int unplugAfterReplies_ = -1;
  int fallBehindAfter_ = -1;
  int writes_ = 0;
  int replies_ = 0;
};

class Panel final : public DevicePanel {
 public:
  bool isSlotButtonChecked(int slot) const override { return slot == checked; }
  void drawBusyIndicator(bool busy, TransferState) override { lastDrawnBusy = busy; }
  void invalidateClientArea() override {}

  int checked = 0;
  std::optional<bool> lastDrawnBusy;
};

ComboBlock blockOf(std::uint8_t fill) {
  ComboBlock block;
  block.fill(fill);
  return block;
}

enum class Command { Download, Reload, Capture };

struct Fault {
  const char* what;
  void (*arrange)(SimulatedAdapter&, FaultyAdapter&);
};

const Fault kReadFaults[] = {
    {"unplugged after the request", [](SimulatedAdapter&, FaultyAdapter& f) { f.unplugAfterWrites(1); }},
    {"unplugged after 1 reply", [](SimulatedAdapter&, FaultyAdapter& f) { f.unplugAfterReplies(1); }},
    {"unplugged after 7 replies", [](SimulatedAdapter&, FaultyAdapter& f) { f.unplugAfterReplies(7); }},
    {"short replies", [](SimulatedAdapter& a, FaultyAdapter&) { a.sendRepliesOfSize(48); }},
    {"oversized replies", [](SimulatedAdapter& a, FaultyAdapter&) { a.sendRepliesOfSize(64); }},
    {"never answers", [](SimulatedAdapter& a, FaultyAdapter&) { a.staySilent(); }},
    {"falls behind after 3 replies", [](SimulatedAdapter&, FaultyAdapter& f) { f.fallBehindAfterReplies(3); }},
    {"stray reports only", [](SimulatedAdapter& a, FaultyAdapter&) { a.sendStraysBeforeEachReply(200); }},
};

const Fault kWriteFaults[] = {
    {"unplugged after chunk 1", [](SimulatedAdapter&, FaultyAdapter& f) { f.unplugAfterWrites(1); }},
    {"unplugged after chunk 4", [](SimulatedAdapter&, FaultyAdapter& f) { f.unplugAfterWrites(4); }},
    {"unplugged after chunk 7", [](SimulatedAdapter&, FaultyAdapter& f) { f.unplugAfterWrites(7); }},
};

// The messages, each failure's without the reason after it: tests/device holds the reasons.
std::vector<std::string> withoutReasons(std::vector<std::string> messages) {
  for (std::string& message : messages)
    if (const std::size_t reason = message.find(" failed: "); reason != std::string::npos)
      message.resize(reason + std::string_view(" failed").size());
  return messages;
}

// A catalogue with game "Street", character "Ryu" and combos "Hadou" and "Shoryu", filled
// into the lists; an adapter whose slot 0 holds another block.
class AdapterFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string problem;
    ASSERT_TRUE(createCatalogue(dir_ / "sp.dat", problem)) << problem;
    ASSERT_TRUE(file_.open().done());
    const RecordId game = catalogue_.StoreNewGame("Street").id;
    const RecordId ryu = addCharacter(file_, game, "Ryu").id;
    const ComboBlock hadou = blockOf(0x11), shoryu = blockOf(0x22);
    catalogue_.StoreNewCombo("Hadou", ryu, hadou.data(), hadou.size());
    catalogue_.StoreNewCombo("Shoryu", ryu, shoryu.data(), shoryu.size());
    catalogue_.FillGameList();
    prompts_.answerEveryAsk(true);
    prompts_.answerEveryName("Captured");
    before_ = dumpCatalogue(dir_ / "sp.dat");
  }

  // Runs the command against a fresh adapter with the fault; returns what the window showed.
  std::vector<std::string> runWith(Command command, const Fault& fault) {
    SimulatedAdapter adapter;
    adapter.slot(0) = blockOf(0x99);
    FaultyAdapter faulty(adapter);
    DeviceLink link(faulty, LinkTiming{.pause = [](std::chrono::milliseconds) {}});
    EXPECT_EQ(lookUpAdapter(link, prompts_), true);
    fault.arrange(adapter, faulty);
    Panel panel;
    DeviceCommands commands(link, catalogue_, file_, panel);
    prompts_.clearEvents();
    switch (command) {
      case Command::Download: commands.OnDownload(); break;
      case Command::Reload: commands.OnReload(); break;
      case Command::Capture: commands.OnCapture(); break;
    }
    EXPECT_FALSE(commands.busy());
    EXPECT_EQ(panel.lastDrawnBusy, std::optional<bool>(false)) << "the indicator ends idle";
    EXPECT_EQ(dumpCatalogue(dir_ / "sp.dat"), before_) << "the catalogue is as it was";
    EXPECT_EQ(combos_.count(), 2);
    return withoutReasons(prompts_.messages());
  }

  TempDir dir_;
  ScriptedPrompts prompts_;
  CatalogueHarness harness_{dir_ / "sp.dat", prompts_};
  CatalogueFile& file_ = harness_.file;
  Store& store_ = harness_.store;
  VectorPickList& combos_ = harness_.combos;
  Catalogue& catalogue_ = harness_.catalogue;
  std::vector<std::string> before_;
};

TEST_F(AdapterFaults, AReloadThatFailsMidTransferKeepsTheCombosData) {
  for (const Fault& fault : kReadFaults) {
    SCOPED_TRACE(fault.what);
    EXPECT_EQ(runWith(Command::Reload, fault),
              (std::vector<std::string>{"do you want to reload Ultra/Super Combos: Hadou from Port 1", "reload failed"}));
  }
}

TEST_F(AdapterFaults, ACaptureThatFailsMidTransferStoresNothingAndAsksNoName) {
  for (const Fault& fault : kReadFaults) {
    SCOPED_TRACE(fault.what);
    EXPECT_EQ(runWith(Command::Capture, fault), std::vector<std::string>{"read device failed"});
  }
}

TEST_F(AdapterFaults, ADownloadCutOffBetweenChunksSaysSoAndChangesNoCombo) {
  for (const Fault& fault : kWriteFaults) {
    SCOPED_TRACE(fault.what);
    EXPECT_EQ(runWith(Command::Download, fault),
              (std::vector<std::string>{"do you want to download Ultra/Super Combos: Hadou to Port 1", "download failed"}));
  }
}

TEST_F(AdapterFaults, AnAdapterGoneBeforeTheTransferGivesOnlyTheLookupsMessage) {
  const Fault gone{"gone and not found again", [](SimulatedAdapter& a, FaultyAdapter&) { a.unplug(); }};
  EXPECT_EQ(runWith(Command::Capture, gone), (std::vector<std::string>{"Can not find device.", "read device failed"}));
}

// Replies that arrive after a read gave up on them belong to that read: the next read, of
// another slot, must not take them for its own.
TEST_F(AdapterFaults, LateRepliesOfAFailedReadDoNotEndUpInTheNextCapture) {
  SimulatedAdapter adapter;
  adapter.slot(0) = blockOf(0x99);
  adapter.slot(3) = blockOf(0x33);
  FaultyAdapter faulty(adapter);
  faulty.fallBehindAfterReplies(3);
  DeviceLink link(faulty, LinkTiming{.pause = [](std::chrono::milliseconds) {}});
  ASSERT_EQ(lookUpAdapter(link, prompts_), true);
  Panel panel;
  DeviceCommands commands(link, catalogue_, file_, panel);

  commands.OnCapture();
  EXPECT_EQ(withoutReasons(prompts_.messages()), std::vector<std::string>{"read device failed"});
  panel.checked = 3;
  commands.OnCapture();
  ASSERT_EQ(combos_.count(), 3);
  EXPECT_EQ(combos_.selectedText(), "Captured");
  const BlockResult stored = readComboData(catalogue_.file(), combos_.selectedId());
  const ComboBlock slot3 = blockOf(0x33);
  EXPECT_EQ(stored.bytes, std::vector<std::uint8_t>(slot3.begin(), slot3.end()))
      << "slot 4's block, not the end of slot 1's";
}

}  // namespace
}  // namespace strikepad::testing
