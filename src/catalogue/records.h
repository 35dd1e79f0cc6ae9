#pragma once
// The record work shared by the three levels of the catalogue (games, characters, combos):
// adding under a unique name, renaming under it, and the delete cascades. Each runs in one
// transaction and shows nothing but the store error report; the callers say the rest.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "catalogue/pick_list.h"

namespace strikepad {

class Store;

struct Level {
  const char* table;
  const char* parentField;  // nullptr for games: their names are unique over the whole table
  const char* parentTable;
  bool hasData;             // combos carry their combo data block
  const char* insert;       // adds a record: its name, then its parent's id, then its data
};

inline constexpr Level kGameLevel{"game", nullptr, nullptr, false, "insert into game(name) values(?)"};
inline constexpr Level kCharacterLevel{"role", "gameid", "game", false, "insert into role(name, gameid) values(?, ?)"};
inline constexpr Level kComboLevel{"moves", "roleid", "role", true,
                                   "insert into moves(name, roleid, data) values(?, ?, ?)"};

// insertUnlessTaken: the new id, kNameTaken, kParentGone or kNotStored.
inline constexpr RecordId kNotStored = -1;
inline constexpr RecordId kNameTaken = -2;
// The parent was deleted (by another program) before the record could be added under it.
inline constexpr RecordId kParentGone = -3;

enum class DeleteOutcome { Deleted, NothingThere, Failed };

// Adds a record with `name` under `parentId` (ignored for games), and for combos `data`,
// unless the parent is gone or already has a record of that name (names compare as
// foldName folds them).
RecordId insertUnlessTaken(Store& store, const Level& level, RecordId parentId, const std::string& name,
                           std::span<const std::uint8_t> data = {});

// The records of one parent, by name as the name checks compare names: for adding many records
// under a parent inside one write transaction (an import) with one query instead of one per
// record. The caller holds the write lock, so no other program changes them meanwhile. Only a
// hash of each folded name is held, so a large parent takes little memory; a hash that
// matches is confirmed against the stored name.
class SiblingNames {
 public:
  // nullopt when the store failed (after its report).
  static std::optional<SiblingNames> load(Store& store, const Level& level, RecordId parentId);

  // The record of that name, if the parent has one; nullopt as well when the store failed
  // to confirm it (after its report), which the insert that follows then meets too.
  std::optional<RecordId> find(Store& store, std::string_view name) const;
  // Adds a record whose name `find` did not know: the new id, or kNotStored.
  RecordId insert(Store& store, const std::string& name, std::span<const std::uint8_t> data = {});

 private:
  SiblingNames(const Level& level, RecordId parentId) : level_(&level), parentId_(parentId) {}

  const Level* level_;
  RecordId parentId_;
  std::unordered_multimap<std::size_t, RecordId> idsByNameHash_;
};

enum class RenameOutcome { Renamed, Taken, ParentGone, NotDone };

// Gives the record `id` the name `newName` unless another record of its parent has that name
// already, or `newName` is exactly its present name. A change of letter case alone goes
// through.
RenameOutcome renameUnlessTaken(Store& store, const Level& level, RecordId id, const std::string& newName);

// Whether an operation records what it removes in the history (catalogue/change_history.h).
// NotRecorded serves only to measure what recording costs.
enum class History { Recorded, NotRecorded };

// Deletes a combo, a character with its combos, a game with its characters and their combos,
// and records what it removed in the history. All or nothing: NothingThere when the record
// was gone already, Failed (after the store error report) when nothing was deleted because
// of a store failure.
DeleteOutcome deleteCombo(Store& store, RecordId comboId, History history = History::Recorded);
DeleteOutcome deleteCharacter(Store& store, RecordId characterId, History history = History::Recorded);
DeleteOutcome deleteGame(Store& store, RecordId gameId, History history = History::Recorded);

}  // namespace strikepad
