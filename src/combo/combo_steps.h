#pragma once
// A combo's steps as a list to edit: the operations of the script editor's timeline. A block
// made here has the parser's form (the steps, the end marker unless all 45 are used, then zero
// bytes), so it prints and parses back to itself.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "combo/combo_block.h"

namespace strikepad {

using StepRecord = std::array<std::uint8_t, kStepSize>;

inline constexpr int kMaxHoldTime = 0xFFFF;
inline constexpr int kMaxAxisValue = 127;
inline constexpr int kNewStepTime = 100;

// Steps first .. first + count - 1.
struct StepRange {
  std::size_t first;
  std::size_t count;
  std::size_t end() const { return first + count; }
};

class ComboSteps {
 public:
  explicit ComboSteps(const ComboBlock& block);

  ComboBlock block() const;
  std::size_t count() const { return steps_.size(); }
  // Whether `more` steps still fit into the adapter's 45.
  bool hasRoomFor(std::size_t more) const { return steps_.size() + more <= kStepCount; }

  // `step` < count(); `button` indexes kButtonKeywords, `axis` kAxisKeywords.
  int holdTime(std::size_t step) const;
  bool holds(std::size_t step, std::size_t button) const;
  int axisValue(std::size_t step, std::size_t axis) const;  // -127..127, 0 at rest
  // False, changing nothing, when the step would hold all 16 buttons with lx and ly at 127:
  // it would read as the end marker, and the combo would end before it.
  bool toggle(std::size_t step, std::size_t button);
  bool setAxisValue(std::size_t step, std::size_t axis, int value);  // kept to -127..127

  // The range must lie inside the steps. Times are kept to 0..65535.
  void setHoldTime(StepRange range, int time);
  void changeHoldTime(StepRange range, int by);
  // No button held and every axis at rest; the times stay.
  void clear(StepRange range);
  void remove(StepRange range);

  // False, changing nothing, when the steps would pass 45 or leave the list.
  bool insertEmpty(std::size_t at);  // at <= count(): a step of kNewStepTime with nothing held
  bool duplicate(StepRange range);   // the copy follows the range
  bool move(StepRange range, int by);

 private:
  // Sets one byte of a step unless the step would then read as the end marker.
  bool change(std::size_t step, std::size_t byte, std::uint8_t value);

  std::vector<StepRecord> steps_;
};

}  // namespace strikepad
