#include "combo/script_parser.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "combo/script_fields.h"
#include "combo/script_keywords.h"

namespace strikepad {
namespace {

const ButtonKeyword* findButton(std::string_view word) {
  const auto found = std::find_if(kButtonKeywords.begin(), kButtonKeywords.end(),
                                  [word](const ButtonKeyword& button) { return button.word == word; });
  return found == kButtonKeywords.end() ? nullptr : &*found;
}

const AxisKeyword* findAxis(std::string_view word) {
  const auto found = std::find_if(kAxisKeywords.begin(), kAxisKeywords.end(),
                                  [word](const AxisKeyword& axis) { return axis.word == word; });
  return found == kAxisKeywords.end() ? nullptr : &*found;
}

// The values the script syntax offers; anything else is stored wrapped into its field.
constexpr std::int32_t kMaxTime = 0xFFFF;
constexpr std::int32_t kMaxAxisValue = 127;

std::string wrappedMessage(int line, std::string_view what, std::int32_t written, std::string_view range,
                           int stored) {
  return "step " + std::to_string(line) + ": " + std::string(what) + " " + std::to_string(written) + " is outside " +
         std::string(range) + " and is stored as " + std::to_string(stored);
}

// A quoted piece of the user's text kept short, cut where no UTF-8 character is split.
std::string shortened(std::string_view text) {
  constexpr std::size_t kShown = 20;
  if (text.size() <= kShown) return std::string(text);
  std::size_t cut = kShown;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return std::string(text.substr(0, cut)) + "...";
}

enum class StepOutcome { kRead, kTextEnded, kFailed };

// Reads the steps of one text into a block, recording where each step lies.
class StepReader {
 public:
  explicit StepReader(std::string_view text) : text_(text), fields_(text) {}

  ScriptScan run() {
    ComboBlock block{};
    std::size_t step = 0;
    for (; step < kStepCount; ++step) {
      std::uint8_t* record = block.data() + step * kStepSize;
      const StepOutcome outcome = readStep(static_cast<int>(step) + 1, record);
      if (outcome == StepOutcome::kFailed) return std::move(scan_);
      if (outcome == StepOutcome::kTextEnded) break;
    }
    if (step < kStepCount) std::fill_n(block.begin() + step * kStepSize, kStepSize, 0xFF);
    scan_.block = block;
    return std::move(scan_);
  }

 private:
  StepOutcome readStep(int line, std::uint8_t* record) {
    record[kFirstButtonByte] = record[kSecondButtonByte] = 0x00;
    std::fill_n(record + kAxisLx, 4, kAxisAtRest);

    std::optional<ScriptField> field = fields_.nextNonEmpty();
    if (!field) return StepOutcome::kTextEnded;
    ScriptStep span{line, field->begin, field->end};

    const std::optional<ScriptNumber> time = readNumber(field->text);
    if (!time) return fail("time error", span, {});
    const auto time16 = static_cast<std::uint16_t>(time->value);  // -1 is kept as 65535
    record[kTimeLow] = static_cast<std::uint8_t>(time16 & 0xFF);
    record[kTimeHigh] = static_cast<std::uint8_t>(time16 >> 8);
    std::vector<ScriptWarning> ignored;
    noteIgnored(line, "the time", time->ignored, ignored);

    // The value each axis was last given: a later one replaces it, warning and all.
    std::array<std::optional<std::int32_t>, kAxisKeywords.size()> axisValues{};
    while (!field->lastOfLine) {
      field = fields_.next();
      if (!field) break;
      const std::string_view word = readKeyword(field->text);
      if (word.empty()) break;  // an empty field ends the step; the line goes on as the next one
      span.end = field->end;

      if (const ButtonKeyword* button = findButton(word)) {
        record[button->byte] |= button->mask;
      } else if (const AxisKeyword* axis = findAxis(word)) {
        // The value is the next field of the text, even on the next line.
        field = fields_.next();
        span.end = field ? field->end : text_.size();
        const std::optional<ScriptNumber> value = field ? readNumber(field->text) : std::nullopt;
        if (!value) return fail("error on " + std::string(axis->word), span, {});
        record[axis->byte] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value->value) + kAxisAtRest);
        axisValues[axis->byte - kAxisLx] = value->value;
        noteIgnored(line, "the " + std::string(axis->word) + " value", value->ignored, ignored);
      } else {
        return fail("error keyword", span, word);
      }
    }
    scan_.steps.push_back(span);
    scan_.warnings.insert(scan_.warnings.end(), ignored.begin(), ignored.end());
    warnOfWrappedValues(line, time->value, axisValues, record);
    if (readsAsEndMarker(record))
      scan_.warnings.push_back({line, "step " + std::to_string(line) +
                                          " holds all 16 buttons with lx and ly at 127, which reads as the end "
                                          "marker: the combo ends before it"});
    return StepOutcome::kRead;
  }

  // Text after a number's digits is ignored; blanks there say nothing, anything else may be
  // a key word the user meant, as in "100,down".
  static void noteIgnored(int line, const std::string& after, std::string_view text, std::vector<ScriptWarning>& notes) {
    if (text.find_first_not_of("\t\v\f") == std::string_view::npos) return;
    notes.push_back({line, "step " + std::to_string(line) + ": '" + shortened(text) + "' after " + after + " is ignored"});
  }

  void warnOfWrappedValues(int line, std::int32_t time,
                           const std::array<std::optional<std::int32_t>, kAxisKeywords.size()>& axisValues,
                           const std::uint8_t* record) {
    if (time < 0 || time > kMaxTime) {
      const int stored = record[kTimeLow] | record[kTimeHigh] << 8;
      scan_.warnings.push_back({line, wrappedMessage(line, "time", time, "0..65535", stored)});
    }
    for (const AxisKeyword& axis : kAxisKeywords) {
      const std::optional<std::int32_t> value = axisValues[axis.byte - kAxisLx];
      if (!value || (*value >= -kMaxAxisValue && *value <= kMaxAxisValue)) continue;
      const int stored = record[axis.byte] - kAxisAtRest;
      std::string message = wrappedMessage(line, axis.word, *value, "-127..127", stored);
      // The byte 0x00 stands for -128, which the script cannot say: the printer writes it as -127.
      if (stored < -kMaxAxisValue) message += " (shown as -127)";
      scan_.warnings.push_back({line, std::move(message)});
    }
  }

  StepOutcome fail(const std::string& what, const ScriptStep& span, std::string_view unknownWord) {
    scan_.error = ScriptError{what + " in line " + std::to_string(span.line), span, std::string(unknownWord)};
    return StepOutcome::kFailed;
  }

  std::string_view text_;
  FieldReader fields_;
  ScriptScan scan_;
};

}  // namespace

ScriptScan scanScript(std::string_view text) {
  // The text is NUL-terminated 8-bit text: a NUL byte is its end.
  return StepReader(text.substr(0, text.find('\0'))).run();
}

ParseResult parseScript(std::string_view text) {
  ScriptScan scan = scanScript(text);
  if (scan.error) return ParseResult{std::nullopt, std::move(scan.error->message), {}};
  return ParseResult{scan.block, {}, std::move(scan.warnings)};
}

}  // namespace strikepad
