#pragma once
// Reads of the catalogue for the commands that show or copy it whole (the exchange file, the
// command line's list): what they need of the store, as values. Each shows nothing but the
// store error report.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "store/tables/record_id.h"
#include "store/tables/records.h"

namespace strikepad {

class Store;

// The game the store holds under `name`, names compared as the name checks compare them.
struct GameByName {
  bool failed = false;  // the store could not say (it has reported why)
  std::optional<RecordId> id;
};
GameByName findGameByName(Store& store, const std::string& name);
// The same for a character of a game or a combo of a character (`parentId`), or for a game
// (`level` kGameLevel, `parentId` ignored).
GameByName findRecordByName(Store& store, const Level& level, RecordId parentId, const std::string& name);

// The name of the record `id` of `level`; nullopt when there is no such record or the store
// failed (after its report).
std::optional<std::string> recordName(Store& store, const Level& level, RecordId id);

// A whole game as the catalogue holds it, characters and combos in store order.
struct ComboContent {
  std::string name;
  std::vector<std::uint8_t> data;  // empty when the record holds no bytes
};
struct CharacterContent {
  std::string name;
  std::vector<ComboContent> combos;
};
struct GameContent {
  std::string name;
  std::vector<CharacterContent> characters;
};
enum class GameReadProblem {
  Gone,    // the store no longer holds the game
  Failed,  // the store failed (it has reported why)
};
// Read in one snapshot, so other programs' writes cannot land between two of its queries;
// it takes no write lock. A character whose combos cannot be read (after the store's report)
// comes without combos.
std::variant<GameContent, GameReadProblem> readGameContent(Store& store, RecordId gameId);

// The catalogue walked level by level, without the combos' bytes.
struct NamedRecord {
  RecordId id;
  std::string name;
};
struct ComboSize {
  RecordId id;
  std::string name;
  std::int64_t size;  // bytes of combo data
};
// Each nullopt when the store failed (after its report).
std::optional<std::vector<NamedRecord>> allGames(Store& store);
std::optional<std::vector<NamedRecord>> charactersOf(Store& store, RecordId gameId);
std::optional<std::vector<ComboSize>> comboSizesOf(Store& store, RecordId characterId);
std::optional<std::vector<NamedRecord>> comboNamesOf(Store& store, RecordId characterId);

}  // namespace strikepad
