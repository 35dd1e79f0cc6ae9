#include "combo/played_steps.h"

#include <algorithm>
#include <cstring>

namespace strikepad {

namespace {

// The end marker's bytes that the adapter reads: the first four of its step record.
constexpr std::size_t kMarkerBytes = 4;

}  // namespace

std::size_t playedLength(const ComboBlock& block) {
  const std::size_t steps = stepCount(block);
  return steps == kStepCount ? kBlockSize : steps * kStepSize + kMarkerBytes;
}

bool playsAlike(const ComboBlock& a, const ComboBlock& b) {
  const std::size_t length = playedLength(a);
  return length == playedLength(b) && std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(length), b.begin());
}

bool tailsDiffer(const ComboBlock& a, const ComboBlock& b) {
  const auto tail = static_cast<std::ptrdiff_t>(playedLength(a));
  return !std::equal(a.begin() + tail, a.end(), b.begin() + tail, b.end());
}

std::uint64_t playedStepsKey(const ComboBlock& block) {
  // A step record at a time, each mixed in by a multiply and a shift: the catalogue is keyed
  // in one pass over every stored block, so the key must cost little more than reading them.
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
  const std::size_t steps = stepCount(block);
  std::uint64_t key = steps;
  for (std::size_t step = 0; step < steps; ++step) {
    std::uint64_t record = 0;
    std::memcpy(&record, block.data() + step * kStepSize, kStepSize);
    key = (key ^ record) * kMultiplier;
    key ^= key >> 29;
  }
  // The marker's bytes are the same in every block that has one: the step count says it all.
  return key;
}

}  // namespace strikepad
