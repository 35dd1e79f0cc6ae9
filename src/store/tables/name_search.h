#pragma once
// The catalogue's names searched by the one name rule: every game, character and combo whose
// name holds a text, with the names and ids of the records above it. One statement, so the
// rows come from one snapshot of the file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace strikepad {

class Store;

// A game match has no character or combo (ids 0, names empty); a character match no combo.
struct NameMatchRow {
  std::int64_t gameId = 0;
  std::string game;
  std::int64_t characterId = 0;
  std::string character;
  std::int64_t comboId = 0;
  std::string combo;
};

// The matches in the lists' order (games by id, each followed by its characters by id, each
// followed by its combos by id), at most `limit` of them; a negative limit takes all. Records
// whose parent is gone (files made without references) are left out: no list shows them.
// Nullopt after the store error report.
std::optional<std::vector<NameMatchRow>> findNamesContaining(Store& store, std::string_view text, std::int64_t limit);

}  // namespace strikepad
