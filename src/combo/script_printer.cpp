#include "combo/script_printer.h"

#include "combo/script_keywords.h"

namespace strikepad {
namespace {

// The script offers -127..127; the byte 0x00 (-128) is shown as its nearest, -127.
int axisValue(std::uint8_t byte) { return byte == 0x00 ? -127 : static_cast<int>(byte) - kAxisAtRest; }

void printStep(const std::uint8_t* step, std::string& text) {
  text += std::to_string(step[kTimeLow] | step[kTimeHigh] << 8);
  for (const ButtonKeyword& button : kButtonKeywords) {
    if (step[button.byte] & button.mask) {
      text += ' ';
      text += button.word;
    }
  }
  for (const AxisKeyword& axis : kAxisKeywords) {
    if (step[axis.byte] != kAxisAtRest) {
      text += ' ';
      text += axis.word;
      text += ' ';
      text += std::to_string(axisValue(step[axis.byte]));
    }
  }
  text += "\r\n";
}

}  // namespace

std::string printScript(const ComboBlock& block) {
  std::string text;
  const std::size_t steps = stepCount(block);
  for (std::size_t step = 0; step < steps; ++step) printStep(block.data() + step * kStepSize, text);
  return text;
}

}  // namespace strikepad
