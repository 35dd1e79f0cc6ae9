#pragma once
// Where a simulated adapter keeps its five memory slots: in a file for the programs, in
// memory for the tests.

#include <array>
#include <string>

#include "combo/combo_block.h"
#include "device/slot_protocol.h"

namespace strikepad {

using SlotBlocks = std::array<ComboBlock, kSlotCount>;

class AdapterSlots {
 public:
  virtual ~AdapterSlots() = default;

  // The five slots as they are now; false, with the reason in `problem`, when they cannot be had.
  virtual bool load(SlotBlocks& held, std::string& problem) = 0;
  // Keeps the five slots whole; false, with the reason in `problem`, leaving them as they were.
  virtual bool save(const SlotBlocks& held, std::string& problem) = 0;
};

}  // namespace strikepad
