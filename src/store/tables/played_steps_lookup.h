#pragma once
// The combos whose stored blocks play as given blocks do, found by a key of the played part
// (combo/played_steps.h) that SQLite computes for every stored block in one pass over the
// combo table: no column, index or table is added to the catalogue, so the file stays as
// every program that reads it expects.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "combo/combo_block.h"

namespace strikepad {

class Store;

// A combo with its character and game, and its block as it is sent to the adapter (a value
// shorter than a block padded with end markers).
struct KeyedCombo {
  std::int64_t gameId = 0;
  std::int64_t characterId = 0;
  std::int64_t comboId = 0;
  std::string game;
  std::string character;
  std::string combo;
  ComboBlock block{};
};

// Every combo (with a character and a game) whose block has the played-steps key of one of
// `blocks`, by game, character and combo in the order they were added. A key can be shared by
// blocks that play differently: the caller compares the blocks. Inside the caller's
// transaction; nullopt after the store's report.
std::optional<std::vector<KeyedCombo>> combosKeyedLike(Store& store, std::span<const ComboBlock> blocks);

}  // namespace strikepad
