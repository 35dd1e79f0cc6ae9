#pragma once
// The script text as a stream of fields: the one scanner behind parsing and step layout.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace strikepad {

struct ScriptField {
  std::size_t begin;  // byte offsets in the text; begin == end for an empty field
  std::size_t end;
  bool lastOfLine;  // ended by a line end or by the end of the text
  std::string_view text;
};

class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {}

  // The next field, or none once the text has ended. Fields are read whole whatever their
  // length: they are views into the text, so a long one cannot overrun anything, and cutting
  // it would turn its tail into a field the user never wrote.
  std::optional<ScriptField> next();

  // The next field that is not empty, or none once the text has ended.
  std::optional<ScriptField> nextNonEmpty();

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

struct ScriptNumber {
  std::int32_t value;
  std::string_view ignored;  // what follows the digits, up to the field's end
};

// A decimal integer at the start of the field after tab, vertical tab and form feed; what
// follows the digits is ignored. A value outside the 32-bit signed range is not a number, so
// the user is told which step holds it rather than getting a silently wrapped time or axis.
std::optional<ScriptNumber> readNumber(std::string_view field);

// The field's key word: the run after leading tab, vertical tab and form feed up to the next
// such character. Empty when the field holds none.
std::string_view readKeyword(std::string_view field);

}  // namespace strikepad
