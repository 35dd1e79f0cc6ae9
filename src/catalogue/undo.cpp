#include "catalogue/undo.h"

#include <array>

#include "store/history_tables.h"
#include "store/store.h"
#include "store/transaction.h"

namespace strikepad {

namespace {

// The catalogue's levels as the history numbers them (history_record.level 1, 2, 3).
constexpr std::array<const Level*, 3> kLevels{&kGameLevel, &kCharacterLevel, &kComboLevel};
constexpr std::array<const char*, 3> kLevelNouns{"game", "character", "combo"};

int levelOf(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::DeleteGame: return 1;
    case ChangeKind::DeleteCharacter: return 2;
    default: return 3;
  }
}

// The newest change, and where its records begin in history_record: they are all rows from
// there on (store/history_tables.h).
struct Newest {
  Change change;
  FieldValue records;
};

// The one record at the top of what a delete removed (or the first replaced block).
struct RootRecord {
  bool failed = false;  // the store failed (after its report)
  bool missing = false;
  RecordId id = 0;
  RecordId parentId = 0;
  std::string name;
};

RootRecord rootOf(Store& store, const FieldValue& records, int level) {
  auto root = store.OpenRecordset("history_record", "rowid>=? and level=?", {records, std::int64_t{level}},
                                  "recordid as id, parentid, name");
  RootRecord found;
  found.failed = !root || root->failed();
  found.missing = !found.failed && root->atEnd();
  if (found.failed || found.missing) return found;
  found.id = root->integer("id");
  found.parentId = root->integer("parentid");
  found.name = root->text("name");
  return found;
}

// Whether any record of the change at `level` has an id its table holds again. nullopt: failed.
std::optional<bool> idTaken(Store& store, const FieldValue& records, int level) {
  const std::string table = kLevels[static_cast<std::size_t>(level - 1)]->table;
  auto taken = store.OpenRecordset(
      "history_record",
      "rowid>=? and level=? and exists(select 1 from " + table + " where " + table + ".id=history_record.recordid)",
      {records, std::int64_t{level}}, "recordid as id");
  if (!taken || taken->failed()) return std::nullopt;
  return !taken->atEnd();
}

// Why the records of a delete cannot come back; empty when they can. nullopt: failed.
std::optional<std::string> restoreRefusal(Store& store, const FieldValue& records, int rootLevel,
                                          const RootRecord& root) {
  const Level& level = *kLevels[static_cast<std::size_t>(rootLevel - 1)];
  const char* noun = kLevelNouns[static_cast<std::size_t>(rootLevel - 1)];
  if (level.parentField) {
    auto parent = store.OpenRecordset(level.parentTable, "id=?", {std::int64_t{root.parentId}}, "id");
    if (!parent || parent->failed()) return std::nullopt;
    if (parent->atEnd()) return std::string("the ") + kLevelNouns[static_cast<std::size_t>(rootLevel - 2)] +
                                " it belonged to is gone";
  }
  std::string filter = "name=? collate name_fold";
  std::vector<FieldValue> params{root.name};
  if (level.parentField) {
    filter += std::string(" and ") + level.parentField + "=?";
    params.emplace_back(std::int64_t{root.parentId});
  }
  auto sameName = store.OpenRecordset(level.table, filter, params, "id, name");
  if (!sameName || sameName->failed()) return std::nullopt;
  if (!sameName->atEnd()) return std::string("a ") + noun + " named \"" + sameName->text("name") + "\" stands there now";
  for (int below = rootLevel; below <= 3; ++below) {
    const auto taken = idTaken(store, records, below);
    if (!taken) return std::nullopt;
    if (*taken) return std::string("another record holds the id of one of its records now");
  }
  return std::string();
}

bool restoreRecords(Store& store, const FieldValue& records, int rootLevel) {
  constexpr std::array<const char*, 3> kInserts{
      "insert into game(id, name) select recordid, name from history_record where rowid>=? and level=1"
      " order by recordid",
      "insert into role(id, name, gameid) select recordid, name, parentid from history_record"
      " where rowid>=? and level=2 order by recordid",
      "insert into moves(id, name, roleid, data) select recordid, name, parentid, data from history_record"
      " where rowid>=? and level=3 order by recordid",
  };
  for (int level = rootLevel; level <= 3; ++level)
    if (!store.execute(kInserts[static_cast<std::size_t>(level - 1)], {records})) return false;
  return true;
}

// Why the replaced blocks cannot come back (a combo is gone); empty when they can.
std::optional<std::string> blocksRefusal(Store& store, const FieldValue& records) {
  auto gone = store.OpenRecordset(
      "history_record", "rowid>=? and not exists(select 1 from moves where moves.id=history_record.recordid)",
      {records}, "recordid as id, name");
  if (!gone || gone->failed()) return std::nullopt;
  if (gone->atEnd()) return std::string();
  return "the combo \"" + gone->text("name") + "\" is gone";
}

bool restoreBlocks(Store& store, const FieldValue& records) {
  return store.execute(
      "update moves set data=h.data from history_record h where h.rowid>=? and h.recordid=moves.id",
      {records});
}

bool forget(Store& store, const Newest& newest) {
  return store.execute("delete from history_record where rowid>=?", {newest.records}) &&
         store.execute("delete from history where id=?", {newest.change.id});
}

// The game and character above the record `id` of `level`, as the catalogue holds them now.
void locate(Store& store, int level, RecordId id, UndoResult& result) {
  if (level == 1) {
    result.gameId = id;
    return;
  }
  if (level == 3) {
    result.comboId = id;
    auto combo = store.OpenRecordset("moves", "id=?", {std::int64_t{id}}, "roleid");
    if (!combo || combo->atEnd()) return;
    id = combo->integer("roleid");
  }
  result.characterId = id;
  auto character = store.OpenRecordset("role", "id=?", {std::int64_t{id}}, "gameid");
  if (character && !character->atEnd()) result.gameId = character->integer("gameid");
}

std::optional<Newest> newestChange(Store& store) {
  auto record = store.OpenRecordset("history", "id=(select max(id) from history)", {},
                                    "id, kind, summary, at, firstrecord");
  if (!record || record->failed() || record->atEnd()) return std::nullopt;
  return Newest{changeAt(*record), toInteger(record->collect("firstrecord"))};
}

UndoResult outcome(UndoResult::Kind kind, const Change& change = {}, std::string reason = {}) {
  return {kind, change, std::move(reason)};
}

}  // namespace

UndoResult undoNewest(Store& store, std::optional<ChangeId> expected) {
  using Kind = UndoResult::Kind;
  Transaction transaction(store);
  if (!transaction.active()) return outcome(Kind::Failed);
  if (!hasHistoryTables(store)) return outcome(Kind::NothingToUndo);
  const std::optional<Newest> newest = newestChange(store);
  if (!newest) return outcome(Kind::NothingToUndo);
  const Change& change = newest->change;
  const FieldValue& records = newest->records;
  UndoResult result = outcome(Kind::Refused, change);
  if (expected && *expected != change.id) {
    result.reason = "another program changed the catalogue meanwhile";
    return result;
  }
  const bool blocks = change.kind == ChangeKind::ReplaceBlocks;
  const int rootLevel = levelOf(change.kind);
  const RootRecord root = rootOf(store, records, rootLevel);
  if (root.failed) return outcome(Kind::Failed, change);
  if (root.missing) {
    result.reason = "the history holds none of its records";
    return result;
  }
  const auto refusal = blocks ? blocksRefusal(store, records) : restoreRefusal(store, records, rootLevel, root);
  if (!refusal) return outcome(Kind::Failed, change);
  if (!refusal->empty()) {
    result.reason = *refusal;
    return result;
  }
  const bool restored = blocks ? restoreBlocks(store, records) : restoreRecords(store, records, rootLevel);
  if (!restored || !forget(store, *newest)) return outcome(Kind::Failed, change);
  locate(store, rootLevel, root.id, result);
  if (!transaction.commit()) return outcome(Kind::Failed, change);
  result.kind = Kind::Undone;
  return result;
}

std::string refusalText(const UndoResult& result) {
  return "Can not undo " + describe(result.change) + ": " + result.reason + ".";
}

}  // namespace strikepad
