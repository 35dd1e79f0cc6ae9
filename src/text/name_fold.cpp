#include "text/name_fold.h"

#include <unicode/unistr.h>

#include <algorithm>

namespace strikepad {

namespace {

bool isAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string foldName(std::string_view name) {
  // ASCII folds to lower case; most names are ASCII, and this keeps their checks cheap.
  if (isAscii(name)) {
    std::string folded(name);
    for (char& c : folded) c = asciiLower(c);
    return folded;
  }
  std::string folded;
  icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), static_cast<int32_t>(name.size())))
      .foldCase()
      .toUTF8String(folded);
  return folded;
}

bool sameName(std::string_view a, std::string_view b) { return compareNames(a, b) == 0; }

int compareNames(std::string_view a, std::string_view b) {
  // Case folding works code point by code point, and an ASCII letter folds to one byte: the
  // ASCII prefixes decide the order at their first difference, and only what follows a
  // non-ASCII byte needs folding. Most names differ in their first letters.
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (static_cast<unsigned char>(a[i]) >= 0x80 || static_cast<unsigned char>(b[i]) >= 0x80)
      return foldName(a.substr(i)).compare(foldName(b.substr(i)));
    const auto x = static_cast<unsigned char>(asciiLower(a[i]));
    const auto y = static_cast<unsigned char>(asciiLower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  // One name is a prefix of the other; the rest of the longer one may fold to nothing.
  return foldName(a.substr(common)).compare(foldName(b.substr(common)));
}

bool foldedNameContains(std::string_view name, std::string_view foldedText) {
  if (!isAscii(name)) return foldName(name).find(foldedText) != std::string::npos;
  // A non-ASCII folded text never matches here: an ASCII name folds to ASCII.
  const auto found = std::search(name.begin(), name.end(), foldedText.begin(), foldedText.end(),
                                 [](char letter, char folded) { return asciiLower(letter) == folded; });
  return found != name.end() || foldedText.empty();
}

}  // namespace strikepad
