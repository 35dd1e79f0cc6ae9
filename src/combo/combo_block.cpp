#include "combo/combo_block.h"

#include <algorithm>

namespace strikepad {

ComboBlock emptyComboBlock() {
  ComboBlock block;
  block.fill(0xFF);
  return block;
}

bool isEndMarker(const ComboBlock& block, std::size_t step) { return readsAsEndMarker(block.data() + step * kStepSize); }

bool readsAsEndMarker(const std::uint8_t* record) {
  return record[0] == 0xFF && record[1] == 0xFF && record[2] == 0xFF && record[3] == 0xFF;
}

std::size_t stepCount(const ComboBlock& block) {
  std::size_t step = 0;
  while (step < kStepCount && !isEndMarker(block, step)) ++step;
  return step;
}

ComboBlock blockFromBytes(const std::uint8_t* bytes, std::size_t length) {
  ComboBlock block = emptyComboBlock();
  std::copy_n(bytes, std::min(length, kBlockSize), block.begin());
  return block;
}

}  // namespace strikepad
