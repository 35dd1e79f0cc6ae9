#include "hex.h"

namespace strikepad::cli {
namespace {

constexpr std::string_view kDigits = "0123456789abcdef";

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool isWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

std::string hexFromBytes(std::span<const std::uint8_t> bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (std::uint8_t byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  return text;
}

HexBlock blockFromHex(std::string_view text) {
  ComboBlock block{};
  std::size_t digits = 0;
  for (char c : text) {
    if (isWhiteSpace(c)) continue;
    const int value = digitValue(c);
    if (value < 0) {
      const auto byte = static_cast<std::uint8_t>(c);
      const std::string shown = byte >= 0x21 && byte <= 0x7E ? std::string(1, c) : "\\x" + hexFromBytes({&byte, 1});
      return {std::nullopt, "not a hex digit: '" + shown + "'"};
    }
    if (digits < 2 * kBlockSize) block[digits / 2] = static_cast<std::uint8_t>(block[digits / 2] << 4 | value);
    ++digits;
  }
  if (digits != 2 * kBlockSize)
    return {std::nullopt, "a block is " + std::to_string(2 * kBlockSize) + " hex digits, not " + std::to_string(digits)};
  return {block, {}};
}

}  // namespace strikepad::cli
