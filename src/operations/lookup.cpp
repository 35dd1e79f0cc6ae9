#include "operations/lookup.h"

#include "store/tables/catalogue_reads.h"
#include "store/tables/records.h"

namespace strikepad {

namespace {

// Looks `name` up under `parentId` and puts its id into `slot`; false when the lookup ended there.
bool step(CatalogueFile& file, LookupResult& result, const Level& level, RecordId parentId, const std::string& name,
          const char* what, RecordId& slot) {
  const GameByName found = findRecordByName(file.store(), level, parentId, name);
  if (found.failed) {
    static_cast<Result&>(result) = file.storeFailed();
    return false;
  }
  if (!found.id) {
    result.outcome = Outcome::NotFound;
    result.missing = what;
    result.name = name;
    return false;
  }
  slot = *found.id;
  return true;
}

}  // namespace

LookupResult findGame(CatalogueFile& file, const std::string& game) {
  LookupResult result;
  step(file, result, kGameLevel, 0, game, "game", result.path.game);
  return result;
}

LookupResult findCharacter(CatalogueFile& file, const std::string& game, const std::string& character) {
  LookupResult result = findGame(file, game);
  if (result.done()) step(file, result, kCharacterLevel, result.path.game, character, "character", result.path.character);
  return result;
}

LookupResult findCombo(CatalogueFile& file, const std::string& game, const std::string& character,
                       const std::string& combo) {
  LookupResult result = findCharacter(file, game, character);
  if (result.done()) step(file, result, kComboLevel, result.path.character, combo, "combo", result.path.combo);
  return result;
}

}  // namespace strikepad
