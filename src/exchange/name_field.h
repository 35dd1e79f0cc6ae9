#pragma once
// The 50-byte name field of an exchange file: text, a zero byte, zero padding.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace strikepad {

inline constexpr std::size_t kNameFieldSize = 50;

using NameField = std::array<std::uint8_t, kNameFieldSize>;

// The part of the catalogue's UTF-8 name that a field holds: a name longer than 49 bytes is
// cut at the last character boundary that leaves room for the terminating zero.
std::string_view fittedName(std::string_view name);

// The catalogue's UTF-8 name as a field, cut as fittedName says.
NameField nameFieldFromText(std::string_view name);

// The field's text up to its first zero byte (all 50 bytes when it has none), as UTF-8.
// Bytes that are not valid UTF-8 come from a system with another code page and are read
// as Windows-1252.
std::string textFromNameField(const std::uint8_t* field);

}  // namespace strikepad
