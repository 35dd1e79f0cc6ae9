#pragma once
// Find: the games, characters and combos whose names hold a text, across the whole catalogue,
// compared by the one name rule ("STRASSE" finds "Straße").

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "operations/catalogue_file.h"
#include "operations/lookup.h"
#include "operations/outcome.h"

namespace strikepad {

// A record found, with the records above it: a game has no character or combo (ids 0, names
// empty), a character no combo.
struct FoundRecord {
  RecordPath path;
  std::string game;
  std::string character;
  std::string combo;
};

struct FindResult : Result {
  std::vector<FoundRecord> matches;
  bool more = false;  // more records matched than the limit let through
};

inline constexpr std::size_t kAllMatches = std::numeric_limits<std::size_t>::max();

// The matches in the lists' order: each game, then its characters, each followed by its
// combos. An empty text matches nothing. Failed with the store error report.
FindResult findRecords(CatalogueFile& file, const std::string& text, std::size_t limit = kAllMatches);

// "game / character / combo", each name as `show` presents it.
std::string matchLine(const FoundRecord& match, const std::function<std::string(std::string_view)>& show);

}  // namespace strikepad
