#pragma once
// Combo blocks as hexadecimal text on the command line: 720 digits for 360 bytes.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "combo/combo_block.h"

namespace strikepad::cli {

// Two lower-case digits a byte, nothing between them.
std::string hexFromBytes(std::span<const std::uint8_t> bytes);

struct HexBlock {
  std::optional<ComboBlock> block;
  std::string problem;  // why the text is not a block, when it is not
};

// Exactly 720 hex digits of either case; white space anywhere is ignored.
HexBlock blockFromHex(std::string_view text);

}  // namespace strikepad::cli
