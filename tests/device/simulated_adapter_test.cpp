// The simulated adapter the programs take with STRIKEPAD_ADAPTER=simulated:FILE.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include "device/adapter_choice.h"
#include "device/device_link.h"
#include "flows/lookup_notices.h"
#include "file_size_limit.h"
#include "scripted_prompts.h"
#include "temp_dir.h"

namespace strikepad::testing {
namespace {

using std::chrono::milliseconds;
using testing::FileSizeLimit;

ComboBlock countingBlock() {
  ComboBlock block{};
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i);
  return block;
}

TEST(SimulatedAdapter, IsFoundLikeTheAdapterAndKeepsItsSlotsInItsFile) {
  const TempDir dir;
  const auto file = dir / "slots";
  std::vector<milliseconds> pauses;
  AdapterChoice writer = chooseAdapter(("simulated:" + file.string()).c_str(), nullptr);
  ASSERT_TRUE(writer.transport) << writer.problem;
  EXPECT_EQ(writer.timing.chunkPause, milliseconds(500)) << "paced as the adapter is";
  writer.timing.pause = [&pauses](milliseconds pause) { pauses.push_back(pause); };
  DeviceLink writing(*writer.transport, writer.timing);
  ScriptedPrompts window;
  ASSERT_TRUE(lookUpAdapter(writing, window));
  EXPECT_EQ(window.title(), "Norvik Strikepad 2.0 Velocade [Connected]");
  EXPECT_EQ(std::filesystem::file_size(file), 5u * 360u) << "made with five empty slots";

  ASSERT_EQ(writing.WriteSlot({}, 2, countingBlock()), TransferOutcome::Done);
  EXPECT_EQ(pauses, std::vector<milliseconds>(8, milliseconds(500)));

  // Another process, later: the slot holds what was written, the others stay empty.
  AdapterChoice reader = chooseAdapter(("simulated:" + file.string()).c_str(), nullptr);
  DeviceLink reading(*reader.transport, reader.timing);
  ComboBlock block{};
  ASSERT_EQ(reading.ReadSlot({}, 2, block), TransferOutcome::Done);
  EXPECT_EQ(block, countingBlock());
  ASSERT_EQ(reading.ReadSlot({}, 4, block), TransferOutcome::Done);
  EXPECT_EQ(block, emptyComboBlock());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no file left beside it";
}

TEST(SimulatedAdapter, AFileThatIsNoSlotFileIsFoundButNotOpenedAndKeepsItsBytes) {
  const TempDir dir;
  std::ofstream(dir / "notes.txt") << "my notes";
  AdapterChoice choice = chooseAdapter(("simulated:" + (dir / "notes.txt").string()).c_str(), nullptr);
  DeviceLink link(*choice.transport, choice.timing);
  const Lookup lookup = link.OpenDevice();
  EXPECT_EQ(lookup.outcome, LookupOutcome::NotOpened);
  EXPECT_EQ(lookup.systemText, (dir / "notes.txt").string() + " is not the slot file of a simulated adapter (1800 bytes)");
  EXPECT_EQ(std::filesystem::file_size(dir / "notes.txt"), 8u);
}

TEST(SimulatedAdapter, ASlotFileThatCannotBeSavedFailsTheWriteAndSaysWhy) {
  const TempDir dir;
  const auto file = dir / "slots";
  AdapterChoice choice = chooseAdapter(("simulated:" + file.string()).c_str(), "0");
  DeviceLink link(*choice.transport, choice.timing);
  ASSERT_TRUE(link.OpenDevice().connected());
  TransferOutcome outcome = TransferOutcome::Done;
  {
    FileSizeLimit full(1000);  // less than the slot file's 1800 bytes
    outcome = link.WriteSlot({}, 2, countingBlock());
  }
  EXPECT_EQ(outcome, TransferOutcome::Failed);
  EXPECT_EQ(link.lastFailure(), file.string() + ": " + std::make_error_code(std::errc::file_too_large).message());
  ComboBlock kept{};
  ASSERT_EQ(link.ReadSlot({}, 2, kept), TransferOutcome::Done);
  EXPECT_EQ(kept, emptyComboBlock()) << "the slot file is as it was";
}

TEST(AdapterChoice, TheRealAdapterUnlessSetAndAMalformedSettingIsExplained) {
  EXPECT_TRUE(chooseAdapter(nullptr, nullptr).transport);
  EXPECT_TRUE(chooseAdapter("", nullptr).transport);
  for (const char* malformed : {"simulated:", "simulated", "hidraw:/dev/hidraw0"}) {
    const AdapterChoice choice = chooseAdapter(malformed, "0");
    EXPECT_FALSE(choice.transport) << malformed;
    EXPECT_EQ(choice.problem, std::string("STRIKEPAD_ADAPTER is \"") + malformed +
                                  "\": set it to simulated:FILE for a simulated adapter that keeps its slots in "
                                  "FILE, or unset it for the real adapter.");
  }
  // The tests' pause applies to the simulated adapter only.
  EXPECT_EQ(chooseAdapter("simulated:slots", "0").timing.chunkPause, milliseconds(0));
  EXPECT_EQ(chooseAdapter(nullptr, "0").timing.chunkPause, milliseconds(500));
}

}  // namespace
}  // namespace strikepad::testing
