#pragma once
// The part of a combo block the adapter plays: the steps before the end marker and the marker's
// four FF bytes, which are all the adapter looks at to stop (the whole block when it has no
// marker). Two blocks that agree there play alike, whatever their other bytes hold: those are
// their tail.

#include <cstddef>
#include <cstdint>

#include "combo/combo_block.h"

namespace strikepad {

// The bytes from the block's start to the end of the marker's four bytes; kBlockSize without one.
std::size_t playedLength(const ComboBlock& block);

bool playsAlike(const ComboBlock& a, const ComboBlock& b);
// Whether the bytes after the played part differ; meaningful for blocks that play alike.
bool tailsDiffer(const ComboBlock& a, const ComboBlock& b);

// A key of the played part: blocks that play alike have the same key. Blocks that play
// differently may share one, rarely: a match by key is confirmed with playsAlike.
std::uint64_t playedStepsKey(const ComboBlock& block);

}  // namespace strikepad
