#include "catalogue/records.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/change_history.h"
#include "store/store.h"
#include "store/transaction.h"
#include "text/name_fold.h"

namespace strikepad {

namespace {

// Whether a record may take a name under its parent.
enum class NameCheck { Free, Taken, ParentGone, Failed };

// What the name checks and the delete cascades read: they count and delete records, so the
// combos' data stays in the file.
constexpr const char* kIdOnly = "id";

// Whether a record of the parent other than `except` has the name, and whether the parent is
// still there: one query, as it runs for every record an import adds. The name_fold collation
// compares names as foldName folds them, so the rule holds whatever collation the file's
// columns have.
NameCheck checkName(Store& store, const Level& level, RecordId parentId, const std::string& name,
                    RecordId except = 0) {
  const std::string sameName = "name=? collate name_fold and id<>?";
  if (!level.parentField) {
    auto matches = store.OpenRecordset(level.table, sameName, {name, std::int64_t{except}}, kIdOnly);
    if (!matches || matches->failed()) return NameCheck::Failed;
    return matches->recordCount() > 0 ? NameCheck::Taken : NameCheck::Free;
  }
  const std::string taken = std::string("exists(select 1 from ") + level.table + " where " + level.parentField + "=" +
                            level.parentTable + ".id and " + sameName + ") as taken";
  auto parent = store.OpenRecordset(level.parentTable, "id=?", {name, std::int64_t{except}, std::int64_t{parentId}},
                                    taken);
  if (!parent || parent->failed()) return NameCheck::Failed;
  if (parent->atEnd()) return NameCheck::ParentGone;
  return parent->integer("taken") != 0 ? NameCheck::Taken : NameCheck::Free;
}

std::optional<Recordset> openById(Store& store, std::string_view table, RecordId id, std::string_view fields) {
  return store.OpenRecordset(table, "id=?", {std::int64_t{id}}, fields);
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

bool deleteCombosOf(Store& store, RecordId characterId) {
  auto combos = store.OpenRecordset("moves", "roleid=?", {std::int64_t{characterId}}, kIdOnly);
  return combos && deleteAll(*combos, nullptr, store);
}

bool deleteCharactersOf(Store& store, RecordId gameId) {
  auto characters = store.OpenRecordset("role", "gameid=?", {std::int64_t{gameId}}, kIdOnly);
  return characters && deleteAll(*characters, deleteCombosOf, store);
}

// Deletes the record `id` with its children, in one transaction; the record is looked for
// inside it, so a record another program deleted first is told apart from one deleted here.
DeleteOutcome deleteWithChildren(Store& store, const Level& level, bool (*children)(Store&, RecordId),
                                 RecordId id, History history) {
  Transaction transaction(store);
  if (!transaction.active()) return DeleteOutcome::Failed;
  auto record = openById(store, level.table, id, kIdOnly);
  if (!record || record->failed()) return DeleteOutcome::Failed;
  if (record->recordCount() == 0) return DeleteOutcome::NothingThere;
  if (history == History::Recorded && !recordDelete(store, level, id)) return DeleteOutcome::Failed;
  const bool deleted = (!children || children(store, id)) && record->deleteCurrent() && transaction.commit();
  return deleted ? DeleteOutcome::Deleted : DeleteOutcome::Failed;
}

RenameOutcome renameOutcomeOf(NameCheck check) {
  switch (check) {
    case NameCheck::Taken: return RenameOutcome::Taken;
    case NameCheck::ParentGone: return RenameOutcome::ParentGone;
    default: return RenameOutcome::NotDone;
  }
}

// Adds the record; the caller has checked its name and parent. One plain statement: an import
// adds thousands.
RecordId insertRecord(Store& store, const Level& level, RecordId parentId, const std::string& name,
                      std::span<const std::uint8_t> data) {
  std::vector<FieldValue> values{name};
  if (level.parentField) values.emplace_back(std::int64_t{parentId});
  if (level.hasData) values.emplace_back(Bytes(data.begin(), data.end()));
  if (!store.execute(level.insert, values)) return kNotStored;
  return static_cast<RecordId>(store.lastInsertId());
}

}  // namespace

namespace {

std::size_t nameHash(std::string_view name) { return std::hash<std::string>{}(foldName(name)); }

}  // namespace

std::optional<SiblingNames> SiblingNames::load(Store& store, const Level& level, RecordId parentId) {
  auto records = level.parentField ? store.OpenRecordset(level.table, std::string(level.parentField) + "=?",
                                                         {std::int64_t{parentId}}, "id, name")
                                   : store.OpenRecordset(level.table, {}, {}, "id, name");
  if (!records || records->failed()) return std::nullopt;
  SiblingNames names(level, parentId);
  for (; !records->atEnd(); records->moveNext())
    names.idsByNameHash_.emplace(nameHash(records->text("name")), records->integer("id"));
  return names;
}

std::optional<RecordId> SiblingNames::find(Store& store, std::string_view name) const {
  std::optional<RecordId> found;
  const auto [first, last] = idsByNameHash_.equal_range(nameHash(name));
  for (auto candidate = first; candidate != last; ++candidate) {
    auto record = store.OpenRecordset(level_->table, "id=?", {std::int64_t{candidate->second}}, "name");
    // The first record of the name, as a name check finds it (a file made before names were
    // compared this way may hold two).
    if (record && !record->atEnd() && sameName(record->text("name"), name) && (!found || candidate->second < *found))
      found = candidate->second;
  }
  return found;
}

RecordId SiblingNames::insert(Store& store, const std::string& name, std::span<const std::uint8_t> data) {
  const RecordId id = insertRecord(store, *level_, parentId_, name, data);
  if (id >= 0) idsByNameHash_.emplace(nameHash(name), id);
  return id;
}

RecordId insertUnlessTaken(Store& store, const Level& level, RecordId parentId, const std::string& name,
                           std::span<const std::uint8_t> data) {
  // The checks write nothing, so the insert is the one statement. They run inside the
  // transaction, which holds the write lock: no other program can delete the parent or take
  // the name between them and the insert.
  Transaction transaction(store, Transaction::Writes::OneStatement);
  if (!transaction.active()) return kNotStored;
  switch (checkName(store, level, parentId, name)) {
    case NameCheck::Failed: return kNotStored;
    case NameCheck::ParentGone: return kParentGone;
    case NameCheck::Taken: return kNameTaken;
    case NameCheck::Free: break;
  }
  const RecordId id = insertRecord(store, level, parentId, name, data);
  return id >= 0 && transaction.commit() ? id : kNotStored;
}

RenameOutcome renameUnlessTaken(Store& store, const Level& level, RecordId id, const std::string& newName) {
  Transaction transaction(store);
  if (!transaction.active()) return RenameOutcome::NotDone;
  // Games are checked against the whole table first, so an unknown id still hears of a
  // taken name; characters and combos need their record first to know the parent.
  if (!level.parentField) {
    const NameCheck check = checkName(store, level, 0, newName, id);
    if (check != NameCheck::Free) return renameOutcomeOf(check);
  }
  const std::string fields = level.parentField ? std::string("id, name, ") + level.parentField : "id, name";
  auto record = openById(store, level.table, id, fields);
  if (!record || record->recordCount() == 0) return RenameOutcome::NotDone;
  if (record->text("name") == newName) return RenameOutcome::Taken;
  if (level.parentField) {
    const NameCheck check = checkName(store, level, record->integer(level.parentField), newName, id);
    if (check != NameCheck::Free) return renameOutcomeOf(check);
  }
  record->setValue("name", newName);
  return record->update() && transaction.commit() ? RenameOutcome::Renamed : RenameOutcome::NotDone;
}

DeleteOutcome deleteCombo(Store& store, RecordId comboId, History history) {
  return deleteWithChildren(store, kComboLevel, nullptr, comboId, history);
}

DeleteOutcome deleteCharacter(Store& store, RecordId characterId, History history) {
  return deleteWithChildren(store, kCharacterLevel, deleteCombosOf, characterId, history);
}

DeleteOutcome deleteGame(Store& store, RecordId gameId, History history) {
  return deleteWithChildren(store, kGameLevel, deleteCharactersOf, gameId, history);
}

}  // namespace strikepad
