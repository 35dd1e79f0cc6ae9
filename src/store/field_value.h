#pragma once
// A value of one field of a catalogue record, as the store hands it out and takes it in.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace strikepad {

using Bytes = std::vector<std::uint8_t>;

// monostate is SQL null.
using FieldValue = std::variant<std::monostate, std::int64_t, double, std::string, Bytes>;

// A field read as text: text as it stands, numbers in decimal, bytes as they are, null as "".
std::string toText(const FieldValue& value);

// A field read as an integer: numbers as they are, text by its leading digits, otherwise 0.
std::int64_t toInteger(const FieldValue& value);

}  // namespace strikepad
