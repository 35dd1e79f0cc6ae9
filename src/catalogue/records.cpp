#include "catalogue/records.h"

#include <optional>
#include <string>
#include <string_view>

#include "store/store.h"
#include "store/transaction.h"

namespace strikepad {

namespace {

enum class NameCheck { Free, Taken, Failed };

// What the name checks and the delete cascades read: they count and delete records, so the
// combos' data stays in the file.
constexpr const char* kIdOnly = "id";

NameCheck checkName(Store& store, const Level& level, RecordId parentId, const std::string& name) {
  auto matches = level.parentField
                     ? store.OpenRecordset(level.table, std::string(level.parentField) + "=? and name=?",
                                           {std::int64_t{parentId}, name}, kIdOnly)
                     : store.OpenRecordset(level.table, "name=?", {name}, kIdOnly);
  if (!matches || matches->failed()) return NameCheck::Failed;
  return matches->recordCount() > 0 ? NameCheck::Taken : NameCheck::Free;
}

std::optional<Recordset> openById(Store& store, const Level& level, RecordId id, std::string_view fields = "*") {
  return store.OpenRecordset(level.table, "id=?", {std::int64_t{id}}, fields);
}

// Deletes every record the walk holds, children of each first when `children` is given.
bool deleteAll(Recordset& records, bool (*children)(Store&, RecordId), Store& store) {
  if (records.failed()) return false;
  for (; !records.atEnd(); records.moveNext()) {
    if (children && !children(store, records.integer("id"))) return false;
    if (!records.deleteCurrent()) return false;
  }
  return true;
}

bool deleteComboRecord(Store& store, RecordId comboId) {
  auto combo = openById(store, kComboLevel, comboId, kIdOnly);
  return combo && !combo->failed() && (combo->recordCount() == 0 || combo->deleteCurrent());
}

bool deleteCharacterRecords(Store& store, RecordId characterId) {
  auto character = openById(store, kCharacterLevel, characterId, kIdOnly);
  if (!character || character->failed()) return false;
  if (character->recordCount() == 0) return true;
  auto combos = store.OpenRecordset("moves", "roleid=?", {std::int64_t{characterId}}, kIdOnly);
  return combos && deleteAll(*combos, nullptr, store) && character->deleteCurrent();
}

bool deleteGameRecords(Store& store, RecordId gameId) {
  auto game = openById(store, kGameLevel, gameId, kIdOnly);
  if (!game || game->failed()) return false;
  if (game->recordCount() == 0) return true;
  auto characters = store.OpenRecordset("role", "gameid=?", {std::int64_t{gameId}}, kIdOnly);
  return characters && deleteAll(*characters, deleteCharacterRecords, store) && game->deleteCurrent();
}

bool inTransaction(Store& store, bool (*work)(Store&, RecordId), RecordId id) {
  Transaction transaction(store);
  return transaction.active() && work(store, id) && transaction.commit();
}

}  // namespace

RecordId insertUnlessTaken(Store& store, const Level& level, RecordId parentId, const std::string& name,
                           std::span<const std::uint8_t> data) {
  // The name check writes nothing, so the insert is the one statement.
  Transaction transaction(store, Transaction::Writes::OneStatement);
  if (!transaction.active()) return kNotStored;
  switch (checkName(store, level, parentId, name)) {
    case NameCheck::Failed: return kNotStored;
    case NameCheck::Taken: return kNameTaken;
    case NameCheck::Free: break;
  }
  auto records = store.OpenRecordset(level.table);
  if (!records) return kNotStored;
  records->addNew();
  if (level.parentField) records->setValue(level.parentField, std::int64_t{parentId});
  records->setValue("name", name);
  if (level.hasData) records->appendChunk("data", data);
  if (!records->update()) return kNotStored;
  const RecordId id = records->integer("id");
  return transaction.commit() ? id : kNotStored;
}

RenameOutcome renameUnlessTaken(Store& store, const Level& level, RecordId id, const std::string& newName) {
  Transaction transaction(store);
  if (!transaction.active()) return RenameOutcome::NotDone;
  // Games are checked against the whole table first, so an unknown id still hears of a
  // taken name; characters and combos need their record first to know the parent.
  NameCheck check = level.parentField ? NameCheck::Free : checkName(store, level, 0, newName);
  if (check != NameCheck::Free) return check == NameCheck::Taken ? RenameOutcome::Taken : RenameOutcome::NotDone;
  auto record = openById(store, level, id);
  if (!record || record->recordCount() == 0) return RenameOutcome::NotDone;
  if (level.parentField) check = checkName(store, level, record->integer(level.parentField), newName);
  if (check != NameCheck::Free) return check == NameCheck::Taken ? RenameOutcome::Taken : RenameOutcome::NotDone;
  record->setValue("name", newName);
  return record->update() && transaction.commit() ? RenameOutcome::Renamed : RenameOutcome::NotDone;
}

bool deleteCombo(Store& store, RecordId comboId) { return inTransaction(store, deleteComboRecord, comboId); }

bool deleteCharacter(Store& store, RecordId characterId) {
  return inTransaction(store, deleteCharacterRecords, characterId);
}

bool deleteGame(Store& store, RecordId gameId) { return inTransaction(store, deleteGameRecords, gameId); }

}  // namespace strikepad
