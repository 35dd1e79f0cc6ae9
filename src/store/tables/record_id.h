#pragma once
// The id of a game, character or combo record: what the lists carry and the operations take.

#include <cstdint>

namespace strikepad {

using RecordId = std::int32_t;

}  // namespace strikepad
