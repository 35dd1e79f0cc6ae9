#include "store/field_value.h"

#include <cstdlib>

namespace strikepad {

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
  if (const auto* real = std::get_if<double>(&value)) return static_cast<std::int64_t>(*real);
  if (const auto* text = std::get_if<std::string>(&value)) return std::strtoll(text->c_str(), nullptr, 10);
  return 0;
}

}  // namespace strikepad
