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

// `text` with each control character replaced as `replace` writes it.
template <typename Replace>
std::string withControlsReplaced(std::string_view text, Replace replace) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = controlLength(text, at);
    if (length == 0) {
      shown += text[at++];
      continue;
    }
    replace(text.substr(at, length), shown);
    at += length;
  }
  return shown;
}

// Each byte of the control character as \xHH.
void appendEscapedBytes(std::string_view control, std::string& shown) {
  for (const char byte : control) {
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(byte));
    shown += escaped;
  }
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
  return withControlsReplaced(name, appendEscapedBytes);
}

std::string printableLines(std::string_view text) {
  return withControlsReplaced(text, [](std::string_view control, std::string& shown) {
    if (control == "\n")
      shown += control;
    else
      appendEscapedBytes(control, shown);
  });
}

std::string jsonWithControlsEscaped(std::string_view json) {
  return withControlsReplaced(json, [](std::string_view control, std::string& shown) {
    // The code point is the last byte: U+0000 to U+007F in one byte, U+0080 to U+009F after 0xc2.
    char escaped[7];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(control.back()));
    shown += escaped;
  });
}

}  // namespace strikepad::cli
