#pragma once
// Words to ids: the records a user names, looked up by the one name rule (letter case and
// canonically equal spellings do not tell names apart). Run it inside the WriteScope of the
// change it serves, so the records found are the ones changed.

#include <string>

#include "store/tables/record_id.h"
#include "operations/catalogue_file.h"
#include "operations/outcome.h"

namespace strikepad {

struct RecordPath {
  RecordId game = 0;
  RecordId character = 0;
  RecordId combo = 0;
};

// NotFound names the level that has no such record in `missing` ("game", "character",
// "combo") and the name in `name`; Failed carries the store's report.
struct LookupResult : Result {
  RecordPath path;
  std::string missing;
  std::string name;
};

LookupResult findGame(CatalogueFile& file, const std::string& game);
LookupResult findCharacter(CatalogueFile& file, const std::string& game, const std::string& character);
LookupResult findCombo(CatalogueFile& file, const std::string& game, const std::string& character,
                       const std::string& combo);

}  // namespace strikepad
