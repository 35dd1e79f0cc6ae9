#include "text/name_fold.h"

#include <unicode/unistr.h>

namespace strikepad {

namespace {

bool isAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

std::string foldName(std::string_view name) {
  // ASCII folds to lower case; most names are ASCII, and this keeps their checks cheap.
  if (isAscii(name)) {
    std::string folded(name);
    for (char& c : folded)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
  }
  std::string folded;
  icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), static_cast<int32_t>(name.size())))
      .foldCase()
      .toUTF8String(folded);
  return folded;
}

bool sameName(std::string_view a, std::string_view b) { return foldName(a) == foldName(b); }

}  // namespace strikepad
