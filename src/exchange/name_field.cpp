#include "exchange/name_field.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace strikepad {

namespace {

constexpr std::size_t kLongestName = kNameFieldSize - 1;  // room for the terminating zero
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// One iconv conversion descriptor, closed when done.
class Converter {
 public:
  Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {
    if (descriptor_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert names");
  }
  ~Converter() { iconv_close(descriptor_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in` into `out`. A byte the source encoding does not define becomes U+FFFD
  // when `replaceInvalid`; otherwise the conversion fails and returns false.
  bool convert(std::string_view in, std::string& out, bool replaceInvalid) {
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    out.clear();
    char* input = const_cast<char*>(in.data());  // iconv's signature; it does not write the input
    std::size_t inputLeft = in.size();
    // A byte of a single-byte code page never needs more than 3 bytes of UTF-8.
    std::string buffer(in.size() * 4 + 4, '\0');
    while (inputLeft > 0) {
      char* output = buffer.data();
      std::size_t outputLeft = buffer.size();
      const std::size_t result = iconv(descriptor_, &input, &inputLeft, &output, &outputLeft);
      out.append(buffer.data(), buffer.size() - outputLeft);
      if (result != static_cast<std::size_t>(-1)) continue;
      if (!replaceInvalid || (errno != EILSEQ && errno != EINVAL)) return false;
      out.append(kReplacementCharacter);
      ++input;
      --inputLeft;
    }
    return true;
  }

 private:
  iconv_t descriptor_;
};

}  // namespace

std::string_view fittedName(std::string_view name) {
  std::size_t length = std::min(name.size(), kLongestName);
  if (length < name.size())
    while (length > 0 && isContinuationByte(name[length])) --length;
  return name.substr(0, length);
}

NameField nameFieldFromText(std::string_view name) {
  const std::string_view fitted = fittedName(name);
  NameField field{};
  std::copy(fitted.begin(), fitted.end(), field.begin());
  return field;
}

std::string textFromNameField(const std::uint8_t* field) {
  const auto* text = reinterpret_cast<const char*>(field);
  const std::string_view raw(text, strnlen(text, kNameFieldSize));
  // Plain ASCII, the common case, needs no conversion.
  if (std::all_of(raw.begin(), raw.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return std::string(raw);

  std::string converted;
  if (Converter("UTF-8", "UTF-8").convert(raw, converted, false)) return converted;
  Converter("UTF-8", "WINDOWS-1252").convert(raw, converted, true);
  return converted;
}

}  // namespace strikepad
