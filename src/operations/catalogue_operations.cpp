#include "operations/catalogue_operations.h"

#include <optional>
#include <span>
#include <utility>

#include "history/change_history.h"
#include "store/tables/records.h"

namespace strikepad {

namespace {

AddResult added(CatalogueFile& file, RecordId id) {
  AddResult result;
  switch (id) {
    case kNameTaken: result.outcome = Outcome::NameTaken; break;
    case kParentGone: result.outcome = Outcome::ParentGone; break;
    case kNotStored: static_cast<Result&>(result) = file.storeFailed(); break;
    default: result.id = id; break;
  }
  return result;
}

AddResult add(CatalogueFile& file, const Level& level, RecordId parentId, const std::string& name,
              std::span<const std::uint8_t> data = {}) {
  return added(file, insertUnlessTaken(file.store(), level, parentId, name, data));
}

Result rename(CatalogueFile& file, const Level& level, RecordId id, const std::string& newName) {
  file.takeReport();  // a report left from before must not pass for this rename's
  switch (renameUnlessTaken(file.store(), level, id, newName)) {
    case RenameOutcome::Renamed: return {};
    case RenameOutcome::Taken: return {Outcome::NameTaken, {}};
    case RenameOutcome::ParentGone: return {Outcome::ParentGone, {}};
    case RenameOutcome::NotDone: break;
  }
  // Not done without a report: the record was not there to rename.
  std::string report = file.takeReport();
  if (report.empty()) return {Outcome::NotFound, {}};
  return failed(std::move(report));
}

Result remove(CatalogueFile& file, const Level& level, RecordId id, History history) {
  Store& store = file.store();
  const auto record = [&] { return history == History::NotRecorded || recordDelete(store, level, id); };
  switch (deleteWithChildren(store, level, id, record)) {
    case DeleteOutcome::Deleted: return {};
    case DeleteOutcome::NothingThere: return {Outcome::NotFound, {}};
    case DeleteOutcome::Failed: break;
  }
  return file.storeFailed();
}

// The rows a read gave, or Failed with the store's report.
template <typename Rows, typename Row>
Rows rowsOf(CatalogueFile& file, std::optional<std::vector<Row>> read, std::vector<Row> Rows::*field) {
  Rows rows;
  if (!read) {
    static_cast<Result&>(rows) = file.storeFailed();
    return rows;
  }
  rows.*field = std::move(*read);
  return rows;
}

}  // namespace

AddResult addGame(CatalogueFile& file, const std::string& name) { return add(file, kGameLevel, 0, name); }

AddResult addCharacter(CatalogueFile& file, RecordId gameId, const std::string& name) {
  return add(file, kCharacterLevel, gameId, name);
}

AddResult addCombo(CatalogueFile& file, RecordId characterId, const std::string& name,
                   std::span<const std::uint8_t> block) {
  return add(file, kComboLevel, characterId, name, block);
}

Result renameGame(CatalogueFile& file, RecordId gameId, const std::string& newName) {
  return rename(file, kGameLevel, gameId, newName);
}

Result renameCharacter(CatalogueFile& file, RecordId characterId, const std::string& newName) {
  return rename(file, kCharacterLevel, characterId, newName);
}

Result renameCombo(CatalogueFile& file, RecordId comboId, const std::string& newName) {
  return rename(file, kComboLevel, comboId, newName);
}

Result deleteGame(CatalogueFile& file, RecordId gameId, History history) {
  return remove(file, kGameLevel, gameId, history);
}

Result deleteCharacter(CatalogueFile& file, RecordId characterId, History history) {
  return remove(file, kCharacterLevel, characterId, history);
}

Result deleteCombo(CatalogueFile& file, RecordId comboId, History history) {
  return remove(file, kComboLevel, comboId, history);
}

BlockResult readComboData(CatalogueFile& file, RecordId comboId) {
  StoredBytes stored = readStoredBlock(file.store(), comboId);
  BlockResult result;
  if (stored.failed)
    static_cast<Result&>(result) = file.storeFailed();
  else if (!stored.bytes)
    result.outcome = Outcome::NotFound;
  else
    result.bytes = std::move(*stored.bytes);
  return result;
}

Result replaceComboData(CatalogueFile& file, RecordId comboId, std::span<const std::uint8_t> block,
                        History history) {
  switch (replaceBlock(file.store(), comboId, block, history)) {
    case ReplaceOutcome::Replaced: return {};
    case ReplaceOutcome::NothingThere: return {Outcome::NotFound, {}};
    case ReplaceOutcome::Failed: break;
  }
  return file.storeFailed();
}

GameRows listGames(CatalogueFile& file) { return rowsOf(file, allGames(file.store()), &GameRows::games); }

CharacterRows listCharacters(CatalogueFile& file, RecordId gameId) {
  return rowsOf(file, charactersOf(file.store(), gameId), &CharacterRows::characters);
}

ComboRows listCombos(CatalogueFile& file, RecordId characterId) {
  return rowsOf(file, comboSizesOf(file.store(), characterId), &ComboRows::combos);
}

ComboNameRows listComboNames(CatalogueFile& file, RecordId characterId) {
  return rowsOf(file, comboNamesOf(file.store(), characterId), &ComboNameRows::combos);
}

}  // namespace strikepad
