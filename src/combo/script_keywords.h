#pragma once
// The script's key words and the bits and bytes of a step record they stand for.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "combo/combo_block.h"

namespace strikepad {

struct ButtonKeyword {
  std::string_view word;
  std::size_t byte;  // kFirstButtonByte or kSecondButtonByte
  std::uint8_t mask;
};

struct AxisKeyword {
  std::string_view word;
  std::size_t byte;  // kAxisLx .. kAxisRy
};

// In the order the printer writes them.
inline constexpr std::array<ButtonKeyword, 16> kButtonKeywords{{
    {"left", kFirstButtonByte, 0x80},
    {"right", kFirstButtonByte, 0x20},
    {"up", kFirstButtonByte, 0x10},
    {"down", kFirstButtonByte, 0x40},
    {"triangular", kSecondButtonByte, 0x10},
    {"circle", kSecondButtonByte, 0x20},
    {"cross", kSecondButtonByte, 0x40},
    {"square", kSecondButtonByte, 0x80},
    {"l1", kSecondButtonByte, 0x04},
    {"l2", kSecondButtonByte, 0x01},
    {"l3", kFirstButtonByte, 0x02},
    {"r1", kSecondButtonByte, 0x08},
    {"r2", kSecondButtonByte, 0x02},
    {"r3", kFirstButtonByte, 0x04},
    {"select", kFirstButtonByte, 0x01},
    {"start", kFirstButtonByte, 0x08},
}};

inline constexpr std::array<AxisKeyword, 4> kAxisKeywords{{
    {"lx", kAxisLx},
    {"ly", kAxisLy},
    {"rx", kAxisRx},
    {"ry", kAxisRy},
}};

// The key word a mistyped word most likely meant: the nearest of the 20 by letters added,
// dropped, changed or swapped, capitals aside; none when even that one is too far to guess.
std::optional<std::string_view> nearestKeyword(std::string_view word);

}  // namespace strikepad
