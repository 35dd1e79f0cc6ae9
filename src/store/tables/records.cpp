#include "store/tables/records.h"

#include <algorithm>
#include <optional>
#include <variant>
#include <string>
#include <string_view>
#include <vector>

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

// Deletes the children of record `parentId` (of `level`'s parent), theirs first.
bool deleteChildren(Store& store, const Level& level, RecordId parentId) {
  auto records = store.OpenRecordset(level.table, std::string(level.parentField) + "=?", {std::int64_t{parentId}},
                                     kIdOnly);
  if (!records || records->failed()) return false;
  for (; !records->atEnd(); records->moveNext()) {
    if (level.children && !deleteChildren(store, *level.children, static_cast<RecordId>(records->integer("id"))))
      return false;
    if (!records->deleteCurrent()) return false;
  }
  return true;
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

DeleteOutcome deleteWithChildren(Store& store, const Level& level, RecordId id,
                                 const std::function<bool()>& beforeDelete) {
  // The record is looked for inside the transaction, so a record another program deleted
  // first is told apart from one deleted here.
  Transaction transaction(store);
  if (!transaction.active()) return DeleteOutcome::Failed;
  auto record = openById(store, level.table, id, kIdOnly);
  if (!record || record->failed()) return DeleteOutcome::Failed;
  if (record->recordCount() == 0) return DeleteOutcome::NothingThere;
  if (!beforeDelete()) return DeleteOutcome::Failed;
  const bool deleted = (!level.children || deleteChildren(store, *level.children, id)) && record->deleteCurrent() &&
                       transaction.commit();
  return deleted ? DeleteOutcome::Deleted : DeleteOutcome::Failed;
}

StoredBytes readStoredBlock(Store& store, RecordId comboId) {
  auto combo = store.OpenRecordset(kComboLevel.table, "id=?", {std::int64_t{comboId}});
  if (!combo || combo->failed()) return {true, std::nullopt};
  if (combo->recordCount() == 0) return {};
  return {false, combo->getChunk("data", combo->actualSize("data"))};
}

ReplaceOutcome writeBlock(Store& store, RecordId comboId, std::span<const std::uint8_t> block, BlockWrite write,
                          const std::function<bool()>& beforeReplace) {
  // The old block goes into the history with the new one in place, or neither does. A write
  // inside the caller's transaction needs no savepoint of its own: the caller's undoes all.
  Transaction transaction(
      store, write == BlockWrite::InCallers ? Transaction::Writes::OneStatement : Transaction::Writes::Several);
  if (!transaction.active()) return ReplaceOutcome::Failed;
  auto combo = store.OpenRecordset(kComboLevel.table, "id=?", {std::int64_t{comboId}});
  if (!combo || combo->failed()) return ReplaceOutcome::Failed;
  if (combo->recordCount() == 0) return ReplaceOutcome::NothingThere;
  // A block replaced by the same bytes loses nothing: there is nothing to record.
  const auto* stored = std::get_if<Bytes>(&combo->collect("data"));
  const bool same = stored && std::ranges::equal(*stored, block);
  if (!same && !beforeReplace()) return ReplaceOutcome::Failed;
  combo->appendChunk("data", block);
  return combo->update() && transaction.commit() ? ReplaceOutcome::Replaced : ReplaceOutcome::Failed;
}

}  // namespace strikepad
