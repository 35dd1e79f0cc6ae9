// Script text of any bytes: the parser gives a block or one line-numbered message, and a
// block survives printing and parsing again, its printed values all stored as written.

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "combo/script_parser.h"
#include "combo/script_printer.h"
#include "fuzz_check.h"

namespace {

using strikepad::fuzz::require;

constexpr std::array<std::string_view, 6> kMessagePrefixes = {
    "time error in line ", "error keyword in line ", "error on lx in line ",
    "error on ly in line ", "error on rx in line ",  "error on ry in line ",
};

// The line number of a parser message, or 0 when the message has none of the six forms.
int messageLine(std::string_view message) {
  for (const std::string_view prefix : kMessagePrefixes) {
    if (!message.starts_with(prefix)) continue;
    const std::string_view digits = message.substr(prefix.size());
    if (digits.empty() || digits.front() == '0') return 0;
    int line = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), line);
    return error == std::errc{} && end == digits.data() + digits.size() ? line : 0;
  }
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const strikepad::ScriptScan scan = strikepad::scanScript(text);
  require(scan.block.has_value() != scan.error.has_value(), "a scan holds a block or an error");
  for (const strikepad::ScriptStep& step : scan.steps)
    require(step.begin <= step.end && step.end <= size, "a step lies inside the text");

  const strikepad::ParseResult result = strikepad::parseScript(text);
  require(result.ok() == scan.block.has_value(), "parse and scan agree");
  if (!result.ok()) {
    const int line = messageLine(result.message);
    require(line >= 1 && line <= 45, "a message is one of the six, with a step number from 1 to 45");
    require(line == scan.error->step.line, "the message names the failing step");
    return 0;
  }

  const std::string printed = strikepad::printScript(*result.block);
  const strikepad::ParseResult again = strikepad::parseScript(printed);
  require(again.ok(), "printed text parses");
  require(again.warnings.empty(), "printed text holds only values that are stored as written");
  require(strikepad::printScript(*again.block) == printed, "printed text parses into a block that prints the same");
  return 0;
}
