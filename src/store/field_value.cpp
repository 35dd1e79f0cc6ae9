#include "store/field_value.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace strikepad {

namespace {

// Whether a real lies where a 64-bit integer can hold it: a cast from outside is undefined.
// NaN lies nowhere. 2^63 itself is a double exactly, the integers' bound is one less.
bool withinInteger(double real) { return real >= -0x1p63 && real < 0x1p63; }

}  // namespace

std::string toText(const FieldValue& value) {
  struct Visitor {
    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(std::int64_t number) const { return std::to_string(number); }
    std::string operator()(double number) const { return std::to_string(number); }
    std::string operator()(const std::string& text) const { return text; }
    std::string operator()(const Bytes& bytes) const { return {bytes.begin(), bytes.end()}; }
  };
  return std::visit(Visitor{}, value);
}

std::int64_t toInteger(const FieldValue& value) {
  if (const auto* number = std::get_if<std::int64_t>(&value)) return *number;
  if (const auto* real = std::get_if<double>(&value)) return withinInteger(*real) ? static_cast<std::int64_t>(*real) : 0;
  if (const auto* text = std::get_if<std::string>(&value)) return std::strtoll(text->c_str(), nullptr, 10);
  return 0;
}

std::optional<std::int64_t> wholeNumber(const FieldValue& value) {
  if (const auto* number = std::get_if<std::int64_t>(&value)) return *number;
  if (const auto* real = std::get_if<double>(&value)) {
    if (!withinInteger(*real) || std::trunc(*real) != *real) return std::nullopt;
    return static_cast<std::int64_t>(*real);
  }
  if (const auto* text = std::get_if<std::string>(&value)) {
    std::int64_t number = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, number);
    if (text->empty() || error != std::errc() || stop != end) return std::nullopt;
    return number;
  }
  return std::nullopt;
}

}  // namespace strikepad
