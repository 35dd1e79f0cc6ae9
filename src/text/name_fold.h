#pragma once
// Names compare without regard to letter case, in every script: "Évolution" and "évolution",
// "STRASSE" and "straße" are the same name. Full Unicode case folding, so the rule is the
// same wherever names meet (duplicate checks, list searches, command-line lookups).

#include <string>
#include <string_view>

namespace strikepad {

// The case-folded form of a UTF-8 name. Bytes that are not valid UTF-8 fold as U+FFFD, so
// such names still compare consistently.
std::string foldName(std::string_view name);

// True when the two names are the same name.
bool sameName(std::string_view a, std::string_view b);

// The order of the folded names (negative, zero, positive), without folding copies where both
// names are ASCII: for the store's collation, which compares many names per query.
int compareNames(std::string_view a, std::string_view b);

// True when the folded form of `name` holds `foldedText` (a foldName result): the same rule
// for a search as for a comparison. An ASCII name is searched without folding a copy: the
// store asks this of every name in the catalogue.
bool foldedNameContains(std::string_view name, std::string_view foldedText);

}  // namespace strikepad
