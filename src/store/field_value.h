#pragma once
// A value of one field of a catalogue record, as the store hands it out and takes it in.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace strikepad {

using Bytes = std::vector<std::uint8_t>;

// monostate is SQL null.
using FieldValue = std::variant<std::monostate, std::int64_t, double, std::string, Bytes>;

// A field read as text: text as it stands, numbers in decimal, bytes as they are, null as "".
std::string toText(const FieldValue& value);

// A field read as an integer: numbers as they are (a real cut to its whole part), text by its
// leading digits, otherwise 0 (a real beyond the 64-bit range too).
std::int64_t toInteger(const FieldValue& value);

// A field that holds a whole number, read exactly: an integer; a real without a fraction
// within the 64-bit range; text that is all one decimal number in that range. nullopt for
// anything else, so that a value a program did not write is refused rather than bent.
std::optional<std::int64_t> wholeNumber(const FieldValue& value);

}  // namespace strikepad
