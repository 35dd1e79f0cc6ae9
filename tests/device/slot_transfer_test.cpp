#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "device/device_link.h"
#include "device/slot_protocol.h"
#include "link_fixture.h"

namespace strikepad::testing {
namespace {

using namespace std::chrono_literals;
using Progress = std::vector<std::pair<int, int>>;

Progress fullProgress() {
  Progress steps;
  for (int done = 1; done <= 8; ++done) steps.emplace_back(done, 8);
  return steps;
}

class SlotTransferTest : public LinkTest {
 protected:
  void SetUp() override { ASSERT_EQ(lookUpAdapter(link, window), true); }

  TransferProgress recordProgress() {
    return [this](int done, int total) { progress.emplace_back(done, total); };
  }

  Progress progress;
};

// --- reads ---

TEST_F(SlotTransferTest, ReadSendsOneRequestAndAssemblesEightReplies) {
  for (const int slot : {0, 4}) {
    adapter.slot(slot) = countingBlock(static_cast<std::uint8_t>(slot));
    const std::size_t before = adapter.accepted().size();
    ComboBlock block = emptyComboBlock();
    progress.clear();

    EXPECT_EQ(link.ReadSlot(lookupsShownIn(window), slot, block, recordProgress()), TransferOutcome::Done);

    ASSERT_EQ(adapter.accepted().size(), before + 1) << "one request per read";
    Report expected{};
    expected[0] = 0x01;
    expected[1] = 0x5A;
    expected[2] = static_cast<std::uint8_t>(slot);
    EXPECT_EQ(adapter.accepted().back(), expected) << "slot " << slot;
    EXPECT_EQ(block, adapter.slot(slot));
    EXPECT_EQ(progress, fullProgress());
  }
  EXPECT_TRUE(pauses.empty()) << "reads are not paced";
  EXPECT_EQ(adapter.lastReadTimeout(), 2000ms);
}

TEST_F(SlotTransferTest, StrayReportsBeforeAndBetweenRepliesAreDropped) {
  adapter.slot(1) = countingBlock(9);
  adapter.sendBeforeNextReplies({0x01, 0x00, 0x5A});  // 0x5A, but not at byte 1
  adapter.sendBeforeNextReplies({});
  adapter.sendStraysBeforeEachReply(61);  // 63 in a row before the first reply: one short of giving up
  ComboBlock block{};
  EXPECT_EQ(link.ReadSlot(lookupsShownIn(window), 1, block), TransferOutcome::Done);
  EXPECT_EQ(block, adapter.slot(1));
}

TEST_F(SlotTransferTest, AReplyWaitingFromBeforeTheRequestIsNotTakenForThisRead) {
  adapter.slot(1) = countingBlock(9);
  std::vector<std::uint8_t> leftOver(kReportSize, 0xEE);
  leftOver[0] = 0x01;
  leftOver[1] = 0x5A;
  adapter.queueInput(leftOver);
  ComboBlock block{};
  EXPECT_EQ(link.ReadSlot(lookupsShownIn(window), 1, block), TransferOutcome::Done);
  EXPECT_EQ(block, adapter.slot(1));
}

TEST_F(SlotTransferTest, GarbageFromTheAdapterEndsTheReadAsFailedWithItsReason) {
  struct Case {
    const char* what;
    void (*arrange)(SimulatedAdapter&);
    const char* reason;
  };
  const Case cases[] = {
      {"never answers", [](SimulatedAdapter& a) { a.staySilent(); }, "no reply from the adapter within 2000 ms"},
      {"64 stray reports in a row", [](SimulatedAdapter& a) { a.sendStraysBeforeEachReply(64); },
       "64 reports in a row that were not slot data"},
      {"short replies", [](SimulatedAdapter& a) { a.sendRepliesOfSize(30); }, "a slot reply of 30 bytes instead of 49"},
      {"oversized replies", [](SimulatedAdapter& a) { a.sendRepliesOfSize(65); },
       "a slot reply of 65 bytes instead of 49"},
  };
  for (const Case& c : cases) {
    SimulatedAdapter faulty;
    DeviceLink faultyLink(faulty, LinkTiming{.pause = [](std::chrono::milliseconds) {}});
    faulty.slot(0) = countingBlock();
    c.arrange(faulty);
    ComboBlock block{};
    EXPECT_EQ(faultyLink.ReadSlot(lookupsShownIn(window), 0, block), TransferOutcome::Failed) << c.what;
    EXPECT_EQ(faultyLink.lastFailure(), c.reason);
    EXPECT_EQ(faulty.slot(0), countingBlock()) << c.what << ": the slot is untouched";
  }
}

// --- writes ---

TEST_F(SlotTransferTest, WriteSendsEightChunksEachFollowedByThePause) {
  const ComboBlock block = countingBlock(3);
  for (const int slot : {0, 4}) {
    const std::size_t before = adapter.accepted().size();
    pauses.clear();
    progress.clear();

    EXPECT_EQ(link.WriteSlot(lookupsShownIn(window), slot, block, recordProgress()), TransferOutcome::Done);

    ASSERT_EQ(adapter.accepted().size(), before + 8);
    std::vector<std::uint8_t> payload;
    for (std::size_t index = 0; index < 8; ++index) {
      const Report& chunk = adapter.accepted()[before + index];
      EXPECT_EQ(chunk[0], 0x01);
      EXPECT_EQ(chunk[1], 0x6A);
      EXPECT_EQ(chunk[2], slot);
      EXPECT_EQ(chunk[3], index);
      payload.insert(payload.end(), chunk.begin() + 4, chunk.end());
    }
    EXPECT_TRUE(std::equal(payload.begin(), payload.end(), block.begin(), block.end()))
        << "bytes 4..48 of the eight chunks are the block in order";
    EXPECT_EQ(adapter.slot(slot), block);
    EXPECT_EQ(pauses, std::vector<std::chrono::milliseconds>(8, 500ms)) << "the last chunk is paced too";
    EXPECT_EQ(progress, fullProgress());
  }
}

TEST_F(SlotTransferTest, AFirstChunkRefusedTwiceSendsNothing) {
  adapter.refuseWrite(0);
  adapter.refuseWrite(1);
  EXPECT_EQ(link.WriteSlot(lookupsShownIn(window), 2, countingBlock()), TransferOutcome::Failed);
  EXPECT_TRUE(adapter.accepted().empty());
  EXPECT_EQ(adapter.slot(2), emptyComboBlock());
  EXPECT_EQ(adapter.lookups(), 2) << "one fresh lookup between the two tries";
}

TEST_F(SlotTransferTest, ALaterChunkRefusedFailsTheWriteAtOnce) {
  adapter.refuseWrite(3);
  EXPECT_EQ(link.WriteSlot(lookupsShownIn(window), 0, countingBlock()), TransferOutcome::Failed);
  EXPECT_EQ(adapter.accepted().size(), 3u) << "nothing after the refused chunk";
  EXPECT_EQ(adapter.lookups(), 1) << "only the first report gets a second chance";
}

TEST_F(SlotTransferTest, ARequestRefusedTwiceFailsTheRead) {
  adapter.refuseWrite(0);
  adapter.refuseWrite(1);
  ComboBlock block{};
  EXPECT_EQ(link.ReadSlot(lookupsShownIn(window), 0, block), TransferOutcome::Failed);
  EXPECT_TRUE(adapter.accepted().empty());
}

// --- unplugged and plugged in again ---

TEST_F(SlotTransferTest, AReplugGoesThroughOnTheNewHandle) {
  adapter.unplug();
  adapter.plugIn();
  const ComboBlock block = countingBlock(5);
  EXPECT_EQ(link.WriteSlot(lookupsShownIn(window), 3, block), TransferOutcome::Done);
  EXPECT_EQ(adapter.slot(3), block);
  EXPECT_EQ(adapter.lookups(), 2);

  adapter.unplug();
  adapter.plugIn();
  ComboBlock readBack{};
  EXPECT_EQ(link.ReadSlot(lookupsShownIn(window), 3, readBack), TransferOutcome::Done);
  EXPECT_EQ(readBack, block);
  EXPECT_TRUE(window.notices().empty());
  EXPECT_EQ(window.title(), "Norvik Strikepad 2.0 Velocade [Connected]");
}

TEST_F(SlotTransferTest, AnUnpluggedAdapterFailsTheTransferAfterTheLookupsMessage) {
  adapter.unplug();
  EXPECT_EQ(link.WriteSlot(lookupsShownIn(window), 0, countingBlock()), TransferOutcome::Failed);
  EXPECT_EQ(window.notices(), std::vector<std::string>{"Can not find device."});
  EXPECT_EQ(window.title(), "Norvik Strikepad 2.0 Velocade [Disconnected]");
  EXPECT_FALSE(link.isOpen());
  EXPECT_TRUE(pauses.empty());
}

}  // namespace
}  // namespace strikepad::testing
