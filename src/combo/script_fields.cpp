#include "combo/script_fields.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace strikepad {
namespace {

constexpr std::string_view kFieldBlanks = "\t\v\f";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view skipBlanks(std::string_view field) {
  const std::size_t start = field.find_first_not_of(kFieldBlanks);
  return start == std::string_view::npos ? std::string_view{} : field.substr(start);
}

}  // namespace

std::optional<ScriptField> FieldReader::next() {
  if (position_ >= text_.size()) return std::nullopt;
  const std::size_t begin = position_;
  const std::size_t end = text_.find_first_of(" \r\n", begin);
  if (end == std::string_view::npos) {
    position_ = text_.size();
    return ScriptField{begin, text_.size(), true, text_.substr(begin)};
  }
  const std::string_view field = text_.substr(begin, end - begin);
  if (text_[end] == ' ') {
    position_ = end + 1;
    return ScriptField{begin, end, false, field};
  }
  // A run of CR and LF is one line end, so empty lines vanish.
  position_ = std::min(text_.find_first_not_of("\r\n", end), text_.size());
  return ScriptField{begin, end, true, field};
}

std::optional<ScriptField> FieldReader::nextNonEmpty() {
  while (std::optional<ScriptField> field = next()) {
    if (field->begin != field->end) return field;
  }
  return std::nullopt;
}

std::optional<ScriptNumber> readNumber(std::string_view field) {
  std::string_view rest = skipBlanks(field);
  bool negative = false;
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  if (rest.empty() || !isDigit(rest.front())) return std::nullopt;

  std::uint64_t magnitude = 0;
  const auto [digitsEnd, error] = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude);
  constexpr std::uint64_t kMaxPositive = std::numeric_limits<std::int32_t>::max();
  if (error != std::errc{} || magnitude > kMaxPositive + (negative ? 1 : 0)) return std::nullopt;
  const std::int64_t value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  return ScriptNumber{static_cast<std::int32_t>(value), rest.substr(static_cast<std::size_t>(digitsEnd - rest.data()))};
}

std::string_view readKeyword(std::string_view field) {
  const std::string_view rest = skipBlanks(field);
  return rest.substr(0, rest.find_first_of(kFieldBlanks));
}

}  // namespace strikepad
