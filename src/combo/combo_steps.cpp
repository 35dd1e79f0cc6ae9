#include "combo/combo_steps.h"

#include <algorithm>

#include "combo/script_keywords.h"

namespace strikepad {
namespace {

StepRecord emptyStep(int time) {
  StepRecord step{};
  std::fill_n(step.begin() + kAxisLx, 4, kAxisAtRest);
  step[kTimeLow] = static_cast<std::uint8_t>(time & 0xFF);
  step[kTimeHigh] = static_cast<std::uint8_t>(time >> 8);
  return step;
}

}  // namespace

ComboSteps::ComboSteps(const ComboBlock& block) {
  const std::size_t count = stepCount(block);
  steps_.resize(count);
  for (std::size_t k = 0; k < count; ++k) std::copy_n(block.begin() + k * kStepSize, kStepSize, steps_[k].begin());
}

ComboBlock ComboSteps::block() const {
  ComboBlock block{};
  for (std::size_t k = 0; k < steps_.size(); ++k) std::copy(steps_[k].begin(), steps_[k].end(), block.begin() + k * kStepSize);
  if (steps_.size() < kStepCount) std::fill_n(block.begin() + steps_.size() * kStepSize, kStepSize, 0xFF);
  return block;
}

int ComboSteps::holdTime(std::size_t step) const { return steps_[step][kTimeLow] | steps_[step][kTimeHigh] << 8; }

bool ComboSteps::holds(std::size_t step, std::size_t button) const {
  const ButtonKeyword& key = kButtonKeywords[button];
  return (steps_[step][key.byte] & key.mask) != 0;
}

int ComboSteps::axisValue(std::size_t step, std::size_t axis) const {
  // The byte 0x00 (-128) reads as its nearest value in range, as the printer shows it.
  return std::max(-kMaxAxisValue, steps_[step][kAxisKeywords[axis].byte] - kAxisAtRest);
}

bool ComboSteps::toggle(std::size_t step, std::size_t button) {
  const ButtonKeyword& key = kButtonKeywords[button];
  return change(step, key.byte, static_cast<std::uint8_t>(steps_[step][key.byte] ^ key.mask));
}

bool ComboSteps::setAxisValue(std::size_t step, std::size_t axis, int value) {
  return change(step, kAxisKeywords[axis].byte,
                static_cast<std::uint8_t>(std::clamp(value, -kMaxAxisValue, kMaxAxisValue) + kAxisAtRest));
}

bool ComboSteps::change(std::size_t step, std::size_t byte, std::uint8_t value) {
  StepRecord changed = steps_[step];
  changed[byte] = value;
  if (readsAsEndMarker(changed.data())) return false;
  steps_[step] = changed;
  return true;
}

void ComboSteps::setHoldTime(StepRange range, int time) {
  const int kept = std::clamp(time, 0, kMaxHoldTime);
  for (std::size_t k = range.first; k < range.end(); ++k) {
    steps_[k][kTimeLow] = static_cast<std::uint8_t>(kept & 0xFF);
    steps_[k][kTimeHigh] = static_cast<std::uint8_t>(kept >> 8);
  }
}

void ComboSteps::changeHoldTime(StepRange range, int by) {
  for (std::size_t k = range.first; k < range.end(); ++k) setHoldTime({k, 1}, holdTime(k) + by);
}

void ComboSteps::clear(StepRange range) {
  for (std::size_t k = range.first; k < range.end(); ++k) steps_[k] = emptyStep(holdTime(k));
}

void ComboSteps::remove(StepRange range) {
  const auto first = steps_.begin() + static_cast<std::ptrdiff_t>(range.first);
  steps_.erase(first, first + static_cast<std::ptrdiff_t>(range.count));
}

bool ComboSteps::insertEmpty(std::size_t at) {
  if (!hasRoomFor(1) || at > steps_.size()) return false;
  steps_.insert(steps_.begin() + static_cast<std::ptrdiff_t>(at), emptyStep(kNewStepTime));
  return true;
}

bool ComboSteps::duplicate(StepRange range) {
  if (!hasRoomFor(range.count)) return false;
  const std::vector<StepRecord> copy(steps_.begin() + static_cast<std::ptrdiff_t>(range.first),
                                     steps_.begin() + static_cast<std::ptrdiff_t>(range.end()));
  steps_.insert(steps_.begin() + static_cast<std::ptrdiff_t>(range.end()), copy.begin(), copy.end());
  return true;
}

bool ComboSteps::move(StepRange range, int by) {
  const auto target = static_cast<std::ptrdiff_t>(range.first) + by;
  if (range.count == 0 || target < 0 || static_cast<std::size_t>(target) + range.count > steps_.size()) return false;
  const auto first = steps_.begin() + static_cast<std::ptrdiff_t>(range.first);
  const auto last = first + static_cast<std::ptrdiff_t>(range.count);
  if (by < 0) {
    std::rotate(first + by, first, last);
  } else {
    std::rotate(first, last, last + by);
  }
  return true;
}

}  // namespace strikepad
