#pragma once
// Building blocks and naming bytes in the combo script tests.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "combo/combo_block.h"

namespace strikepad::testing {

using Step = std::vector<std::uint8_t>;  // eight bytes

// A block in the parser's shape: the steps, the end marker unless all 45 are used, zero bytes.
inline ComboBlock parsedShape(const std::vector<Step>& steps) {
  ComboBlock block{};
  std::size_t at = 0;
  for (const Step& step : steps)
    for (std::uint8_t byte : step) block[at++] = byte;
  if (steps.size() < kStepCount)
    for (std::size_t i = 0; i < kStepSize; ++i) block[at++] = 0xFF;
  return block;
}

inline Step stepOf(const ComboBlock& block, std::size_t step) {
  return Step(block.begin() + step * kStepSize, block.begin() + (step + 1) * kStepSize);
}

}  // namespace strikepad::testing
