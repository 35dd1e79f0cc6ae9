#pragma once
// A DeviceLink on a SimulatedAdapter, with the pauses recorded instead of waited.

#include <chrono>
#include <vector>

#include <gtest/gtest.h>

#include "device/device_link.h"
#include "flows/lookup_notices.h"
#include "scripted_prompts.h"
#include "simulated_adapter.h"

namespace strikepad::testing {

class LinkTest : public ::testing::Test {
 protected:
  // A block whose every byte tells its position, so a misplaced chunk shows.
  static ComboBlock countingBlock(std::uint8_t start = 0) {
    ComboBlock block;
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(start + i * 7);
    return block;
  }

  SimulatedAdapter adapter;
  ScriptedPrompts window;
  std::vector<std::chrono::milliseconds> pauses;
  DeviceLink link{adapter, LinkTiming{.pause = [this](std::chrono::milliseconds pause) { pauses.push_back(pause); }}};
};

}  // namespace strikepad::testing
