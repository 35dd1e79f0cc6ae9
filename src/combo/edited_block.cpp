#include "combo/edited_block.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

#include "combo/combo_steps.h"
#include "combo/script_keywords.h"

namespace strikepad {
namespace {

std::vector<StepRecord> stepsOf(const ComboBlock& block) {
  std::vector<StepRecord> steps(stepCount(block));
  for (std::size_t k = 0; k < steps.size(); ++k) std::copy_n(block.begin() + k * kStepSize, kStepSize, steps[k].begin());
  return steps;
}

// The step as printing and parsing give it back: the byte 0x00 (-128) is written as -127.
StepRecord asPrinted(StepRecord step) {
  for (const AxisKeyword& axis : kAxisKeywords) step[axis.byte] = std::max<std::uint8_t>(step[axis.byte], 0x01);
  return step;
}

// For each edited step, the original step it reads as: the longest run of matches in order,
// so that a step added, removed or changed in the middle leaves the others matched.
std::vector<std::optional<std::size_t>> matchSteps(const std::vector<StepRecord>& edited,
                                                   const std::vector<StepRecord>& printed) {
  const std::size_t columns = printed.size() + 1;
  std::vector<std::size_t> longest((edited.size() + 1) * columns, 0);  // from (j, k) to the ends
  const auto at = [&](std::size_t j, std::size_t k) -> std::size_t& { return longest[j * columns + k]; };
  for (std::size_t j = edited.size(); j-- > 0;)
    for (std::size_t k = printed.size(); k-- > 0;)
      at(j, k) = edited[j] == printed[k] ? at(j + 1, k + 1) + 1 : std::max(at(j + 1, k), at(j, k + 1));

  std::vector<std::optional<std::size_t>> kept(edited.size());
  for (std::size_t j = 0, k = 0; j < edited.size() && k < printed.size();) {
    if (edited[j] == printed[k]) {
      kept[j++] = k++;
    } else if (at(j + 1, k) >= at(j, k + 1)) {
      ++j;
    } else {
      ++k;
    }
  }
  return kept;
}

// An edited step that took the place of an original one and shows its -128 as the -127 the
// text showed: the byte changes although the user did not change that value.
void noteLostBytes(std::size_t step, const StepRecord& was, const StepRecord& now, std::vector<ScriptWarning>& notes) {
  const int line = static_cast<int>(step) + 1;
  for (const AxisKeyword& axis : kAxisKeywords) {
    if (was[axis.byte] != 0x00 || now[axis.byte] != 0x01) continue;
    notes.push_back({line, "step " + std::to_string(line) + ": " + std::string(axis.word) +
                               " -128 can not be written in a script and is stored as -127"});
  }
}

// Whether the parser's block ends as the parser ends one: the marker, then zero bytes. When
// not, the text wrote a step that reads as the marker, and what it wrote stays.
bool endsAsParsed(const ComboBlock& parsed, std::size_t steps) {
  const auto marker = parsed.begin() + static_cast<std::ptrdiff_t>(steps * kStepSize);
  return std::all_of(marker, marker + kStepSize, [](std::uint8_t b) { return b == 0xFF; }) &&
         std::all_of(marker + kStepSize, parsed.end(), [](std::uint8_t b) { return b == 0x00; });
}

}  // namespace

EditedBlock editedBlock(const ComboBlock& original, const ComboBlock& parsed) {
  const std::vector<StepRecord> was = stepsOf(original);
  const std::vector<StepRecord> now = stepsOf(parsed);
  std::vector<StepRecord> printed;
  std::transform(was.begin(), was.end(), std::back_inserter(printed), asPrinted);
  const std::vector<std::optional<std::size_t>> kept = matchSteps(now, printed);

  EditedBlock edited{parsed, {}};
  // Between two matched steps, the unmatched ones took each other's places in order.
  std::size_t nextWas = 0;
  std::size_t nextNow = 0;
  for (std::size_t j = 0; j <= now.size(); ++j) {
    if (j < now.size() && !kept[j]) continue;
    const std::size_t matchedWas = j < now.size() ? *kept[j] : was.size();
    for (std::size_t i = 0; nextNow + i < j && nextWas + i < matchedWas; ++i)
      noteLostBytes(nextNow + i, was[nextWas + i], now[nextNow + i], edited.notes);
    if (j < now.size())
      std::copy(was[*kept[j]].begin(), was[*kept[j]].end(), edited.block.begin() + static_cast<std::ptrdiff_t>(j * kStepSize));
    nextNow = j + 1;
    nextWas = matchedWas + 1;
  }

  const std::size_t end = now.size() * kStepSize;
  const bool keepTail = now.size() < kStepCount && was.size() < kStepCount && (was.size() > 0 || now.empty()) &&
                        endsAsParsed(parsed, now.size());
  if (keepTail) {
    const auto tail = original.begin() + static_cast<std::ptrdiff_t>(was.size() * kStepSize);
    const std::size_t fits = std::min<std::size_t>(kBlockSize - end, static_cast<std::size_t>(original.end() - tail));
    std::fill(edited.block.begin() + static_cast<std::ptrdiff_t>(end), edited.block.end(), 0x00);
    std::copy_n(tail, fits, edited.block.begin() + static_cast<std::ptrdiff_t>(end));
  }
  return edited;
}

}  // namespace strikepad
