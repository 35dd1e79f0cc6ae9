#pragma once
// Combo block to script text.

#include <string>

#include "combo/combo_block.h"

namespace strikepad {

// One line per step up to the end marker, each ending in CR LF: the time, then the held
// buttons and the axes away from rest in a fixed order. An empty block gives "".
std::string printScript(const ComboBlock& block);

}  // namespace strikepad
