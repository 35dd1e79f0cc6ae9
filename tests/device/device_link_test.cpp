#include "device/device_link.h"

#include <gtest/gtest.h>

#include "link_fixture.h"

namespace strikepad::testing {
namespace {

using Kind = ScriptedPrompts::Kind;

// --- looking the adapter up ---

TEST_F(LinkTest, OpenDeviceLooksForTheAdapterAndShowsItInTheTitle) {
  EXPECT_EQ(lookUpAdapter(link, window), true);
  EXPECT_EQ(adapter.askedVendorId(), 0x054C);
  EXPECT_EQ(adapter.askedProductId(), 0x0268);
  EXPECT_TRUE(link.isOpen());
  EXPECT_EQ(window.title(), "Norvik Strikepad 2.0 Velocade [Connected]");
  EXPECT_TRUE(window.notices().empty());

  link.CloseDevice();
  EXPECT_FALSE(link.isOpen());
}

TEST_F(LinkTest, NoAdapterIsNoticedBeforeTheTitleTurnsDisconnected) {
  adapter.unplug();
  EXPECT_EQ(lookUpAdapter(link, window), false);
  ASSERT_EQ(window.events().size(), 2u);
  EXPECT_EQ(window.events()[0].kind, Kind::Notice);
  EXPECT_EQ(window.events()[0].text, "Can not find device.");
  EXPECT_EQ(window.events()[1].kind, Kind::Title);
  EXPECT_EQ(window.events()[1].text, "Norvik Strikepad 2.0 Velocade [Disconnected]");
  EXPECT_FALSE(link.isOpen());
}

TEST_F(LinkTest, AnAdapterWithoutAccessIsToldApartFromNoAdapter) {
  adapter.denyAccess();
  EXPECT_EQ(lookUpAdapter(link, window), false);
  ASSERT_EQ(window.notices().size(), 1u);
  const std::string message = window.notices().front();
  EXPECT_NE(message, "Can not find device.");
  EXPECT_NE(message.find("Found the adapter"), std::string::npos) << message;
  EXPECT_NE(message.find("60-strikepad.rules"), std::string::npos) << message;
  EXPECT_NE(message.find("Permission denied"), std::string::npos) << "the system's reason: " << message;
  EXPECT_EQ(window.title(), "Norvik Strikepad 2.0 Velocade [Disconnected]");
}

TEST_F(LinkTest, AnUnusableHidLayerLeavesTheTitleAlone) {
  adapter.breakHidLayer();
  EXPECT_EQ(lookUpAdapter(link, window), false);
  EXPECT_EQ(window.notices(), std::vector<std::string>{"Can not Open HID Device!"});
  EXPECT_TRUE(window.texts(Kind::Title).empty());
}

TEST_F(LinkTest, ALookupClosesTheHandleHeldBefore) {
  ASSERT_EQ(lookUpAdapter(link, window), true);
  adapter.unplug();
  EXPECT_EQ(lookUpAdapter(link, window), false);
  EXPECT_FALSE(link.isOpen());
  EXPECT_EQ(window.title(), "Norvik Strikepad 2.0 Velocade [Disconnected]");
}

TEST_F(LinkTest, DestroyingTheLinkClosesTheAdapter) {
  {
    DeviceLink shortLived(adapter, LinkTiming{.pause = [](std::chrono::milliseconds) {}});
    ASSERT_EQ(lookUpAdapter(shortLived, window), true);
  }
  EXPECT_FALSE(adapter.isOpen());
}

// --- without an adapter nothing is sent ---

TEST_F(LinkTest, TransfersWithoutAnAdapterSendNothing) {
  adapter.unplug();
  ComboBlock block = emptyComboBlock();
  EXPECT_EQ(link.ReadSlot(lookupsShownIn(window), 0, block), TransferOutcome::NoAdapter);
  EXPECT_EQ(link.WriteSlot(lookupsShownIn(window), 0, countingBlock()), TransferOutcome::NoAdapter);
  EXPECT_EQ(adapter.writeAttempts(), 0);
  EXPECT_TRUE(pauses.empty());
  EXPECT_EQ(window.notices(), (std::vector<std::string>{"Can not find device.", "Can not find device."}));
}

TEST_F(LinkTest, ATransferLooksTheAdapterUpWhenNoneIsHeld) {
  ASSERT_FALSE(link.isOpen());
  ComboBlock block{};
  EXPECT_EQ(link.ReadSlot(lookupsShownIn(window), 2, block), TransferOutcome::Done);
  EXPECT_EQ(adapter.lookups(), 1);
  EXPECT_EQ(window.title(), "Norvik Strikepad 2.0 Velocade [Connected]");
}

}  // namespace
}  // namespace strikepad::testing
