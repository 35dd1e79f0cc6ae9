#pragma once
// The catalogue's tables (game, role, moves): the three levels of games, characters and combos,
// with every SQL text that adds, renames, deletes and reads their records. Each runs in one
// transaction (or one statement of the caller's) and keeps the store error report on a failure;
// the callers say the rest.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "store/tables/record_id.h"

namespace strikepad {

class Store;

struct Level {
  const char* table;
  const char* parentField;  // nullptr for games: their names are unique over the whole table
  const char* parentTable;
  bool hasData;             // combos carry their combo data block
  const char* insert;       // adds a record: its name, then its parent's id, then its data
  const Level* children = nullptr;  // deleted with the record
};

inline constexpr Level kComboLevel{"moves", "roleid", "role", true,
                                   "insert into moves(name, roleid, data) values(?, ?, ?)"};
inline constexpr Level kCharacterLevel{"role", "gameid", "game", false, "insert into role(name, gameid) values(?, ?)",
                                       &kComboLevel};
inline constexpr Level kGameLevel{"game", nullptr, nullptr, false, "insert into game(name) values(?)",
                                  &kCharacterLevel};

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

// Deletes the record `id` of `level` with everything under it, all or nothing, in one
// transaction: `beforeDelete` runs inside it first (the history records what goes), and the
// delete goes on only when it returns true. NothingThere when the record was gone already
// (another program deleted it first); Failed after the store error report.
DeleteOutcome deleteWithChildren(Store& store, const Level& level, RecordId id,
                                 const std::function<bool()>& beforeDelete);

// The stored bytes of a combo's data field (empty when the field is empty); no bytes when
// there is no such combo; `failed` after the store error report.
struct StoredBytes {
  bool failed = false;
  std::optional<std::vector<std::uint8_t>> bytes;
};
StoredBytes readStoredBlock(Store& store, RecordId comboId);

enum class ReplaceOutcome { Replaced, NothingThere, Failed };
// How a block write nests: in a transaction of its own, or as one statement of the caller's
// (a batch of many blocks, which the caller's transaction undoes whole on a failure).
enum class BlockWrite { OwnTransaction, InCallers };
// Gives combo `comboId` the block `block`: `beforeReplace` runs first, in the same transaction,
// when the stored bytes differ (the history records them), and the write goes on only when it
// returns true.
ReplaceOutcome writeBlock(Store& store, RecordId comboId, std::span<const std::uint8_t> block, BlockWrite write,
                          const std::function<bool()>& beforeReplace);

}  // namespace strikepad
