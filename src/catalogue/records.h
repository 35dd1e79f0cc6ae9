#pragma once
// The record work shared by the three levels of the catalogue (games, characters, combos):
// adding under a unique name, renaming under it, and the delete cascades. Each runs in one
// transaction and shows nothing but the store error report; the callers say the rest.

#include <cstdint>
#include <span>
#include <string>

#include "catalogue/pick_list.h"

namespace strikepad {

class Store;

struct Level {
  const char* table;
  const char* parentField;  // nullptr for games: their names are unique over the whole table
  bool hasData;             // combos carry their combo data block
};

inline constexpr Level kGameLevel{"game", nullptr, false};
inline constexpr Level kCharacterLevel{"role", "gameid", false};
inline constexpr Level kComboLevel{"moves", "roleid", true};

// insertUnlessTaken: the new id, kNameTaken, or kNotStored.
inline constexpr RecordId kNotStored = -1;
inline constexpr RecordId kNameTaken = -2;

// Adds a record with `name` under `parentId` (ignored for games), and for combos `data`,
// unless the parent already has a record of that name (compared without regard to case).
RecordId insertUnlessTaken(Store& store, const Level& level, RecordId parentId, const std::string& name,
                           std::span<const std::uint8_t> data = {});

enum class RenameOutcome { Renamed, Taken, NotDone };

// Gives the record `id` the name `newName` unless a record of its parent has that name
// already; its own present name counts too.
RenameOutcome renameUnlessTaken(Store& store, const Level& level, RecordId id, const std::string& newName);

// Deletes a combo, a character with its combos, a game with its characters and their combos.
// All or nothing; false when nothing was deleted because of a store failure.
bool deleteCombo(Store& store, RecordId comboId);
bool deleteCharacter(Store& store, RecordId characterId);
bool deleteGame(Store& store, RecordId gameId);

}  // namespace strikepad
