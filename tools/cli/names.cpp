#include "names.h"

#include <cstdio>

namespace strikepad::cli {

namespace {

bool isC0OrDelete(unsigned char byte) { return byte < 0x20 || byte == 0x7f; }

// The length of the control character at `at`: 1 (C0, DEL), 2 (C1 in UTF-8), or 0 for none.
std::size_t controlLength(std::string_view text, std::size_t at) {
  const auto byte = static_cast<unsigned char>(text[at]);
  if (isC0OrDelete(byte)) return 1;
  if (byte == 0xc2 && at + 1 < text.size()) {
    const auto next = static_cast<unsigned char>(text[at + 1]);
    if (next >= 0x80 && next <= 0x9f) return 2;
  }
  return 0;
}

}  // namespace

bool hasControlCharacter(std::string_view name) {
  for (std::size_t at = 0; at < name.size(); ++at)
    if (controlLength(name, at) > 0) return true;
  return false;
}

std::optional<std::string_view> nameRefusal(std::string_view name) {
  if (name.empty()) return "names may not be empty";
  if (hasControlCharacter(name)) return "names may not hold control characters";
  return std::nullopt;
}

std::string printableName(std::string_view name) {
  std::string shown;
  shown.reserve(name.size());
  for (std::size_t at = 0; at < name.size();) {
    const std::size_t length = controlLength(name, at);
    if (length == 0) {
      shown += name[at++];
      continue;
    }
    for (const std::size_t end = at + length; at < end; ++at) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(name[at]));
      shown += escaped;
    }
  }
  return shown;
}

}  // namespace strikepad::cli
