#include "catalogue/change_records.h"

#include <array>
#include <optional>

#include "store/store.h"
#include "text/name_fold.h"

namespace strikepad {

namespace {

constexpr std::array<const char*, 3> kParentTables{nullptr, "game", "role"};
constexpr std::array<const char*, 3> kParentNouns{nullptr, "game", "character"};

constexpr const char* kMismatch = "the history holds records that do not match it";

// A row an undo can put back as it stands (?2 is the change's top level): ids a catalogue
// record can hold, a parent wherever the table keeps one, each row below the top under a
// record of the change one level up, and no record twice.
constexpr const char* kUnsoundRows =
    "(select count(*) from history_record r where r.changeid=history.id and not ("
    "typeof(r.recordid)='integer' and r.recordid between 1 and 2147483647"
    " and (r.level=1 and ?2=1 and r.parentid is null"
    "  or r.level in (2, 3) and typeof(r.parentid)='integer' and r.parentid between 1 and 2147483647"
    "   and (r.level=?2 or r.level>?2 and r.parentid in"
    "    (select p.recordid from history_record p where p.changeid=r.changeid and p.level=r.level-1)))"
    " and not exists(select 1 from history_record d where d.changeid=r.changeid and d.level=r.level"
    "  and d.recordid=r.recordid and d.id<>r.id))) as unsound";

std::string quoted(const std::string& name) { return "\"" + name + "\""; }

// The name of the record `id` of `table`; nullopt when it is gone or the store failed.
std::optional<std::string> nameOf(Store& store, const char* table, RecordId id, bool& failed) {
  auto record = store.OpenRecordset(table, "id=?", {std::int64_t{id}}, "name");
  failed = !record || record->failed();
  if (failed || record->atEnd()) return std::nullopt;
  return record->text("name");
}

// Empty when `summary` is the frame around `parent`, or names a parent of the same name;
// otherwise why not. `noun` names what the parent is (nullptr: the frame takes none).
std::string summaryRefusal(const std::string& summary, const SummaryFrame& frame, const std::string& parent,
                           const char* noun) {
  if (summary == frame.around(parent)) return {};
  const std::size_t frameSize = frame.before.size() + frame.after.size();
  if (!noun || summary.size() < frameSize || !summary.starts_with(frame.before) || !summary.ends_with(frame.after))
    return kMismatch;
  // Names compare as the name checks compare them: a parent renamed in letter case alone is the one named.
  if (sameName(summary.substr(frame.before.size(), summary.size() - frameSize), parent)) return {};
  return std::string("its records belong to the ") + noun + " " + quoted(parent);
}

// A delete: its parent must stand, and the summary must name it and the rows' sizes.
void checkDelete(Store& store, const Change& change, int rootLevel, std::int64_t characters, std::int64_t combos,
                 ChangeRecords& records) {
  const auto index = static_cast<std::size_t>(rootLevel - 1);
  std::string parent;
  if (kParentTables[index]) {
    const auto name = nameOf(store, kParentTables[index], records.rootParentId, records.failed);
    if (records.failed) return;
    if (!name) {
      records.refusal = std::string("the ") + kParentNouns[index] + " it belonged to is gone";
      return;
    }
    parent = *name;
  }
  const SummaryFrame frame = rootLevel == 1   ? gameSummary(records.rootName, characters, combos)
                             : rootLevel == 2 ? characterSummary(records.rootName, combos)
                                              : comboSummary(records.rootName);
  records.refusal = summaryRefusal(change.summary, frame, parent, kParentNouns[index]);
}

// Replaced blocks: each combo must stand where its row says, under the name it had, and the
// summary must name it (one block replaced alone) or the one game holding them all (a batch).
void checkBlocks(Store& store, const Change& change, ChangeRecords& records) {
  const std::vector<FieldValue> byChange{change.id};
  auto gone = store.OpenRecordset(
      "history_record", "changeid=? and not exists(select 1 from moves where moves.id=history_record.recordid)",
      byChange, "name");
  if ((records.failed = !gone || gone->failed())) return;
  if (!gone->atEnd()) {
    records.refusal = "the combo " + quoted(gone->text("name")) + " is gone";
    return;
  }
  auto moved = store.OpenRecordset(
      "history_record",
      "changeid=? and exists(select 1 from moves m where m.id=history_record.recordid and"
      " (m.roleid is not history_record.parentid or (m.name=history_record.name collate name_fold) is not 1))",
      byChange, "(select name from moves where moves.id=history_record.recordid) as now");
  if ((records.failed = !moved || moved->failed())) return;
  if (!moved->atEnd()) {
    records.refusal = "its block would go into the combo " + quoted(moved->text("now"));
    return;
  }
  const SummaryFrame alone{kBlockOf + comboSummary(records.rootName).before, {}};
  if (records.count == 1 && change.summary.starts_with(alone.before)) {
    const auto character = nameOf(store, "role", records.rootParentId, records.failed);
    records.refusal = summaryRefusal(change.summary, alone, character.value_or(""), "character");
    return;
  }
  auto games = store.OpenRecordset(
      "game", "id in (select gameid from role where id in (select parentid from history_record where changeid=?))",
      byChange, "name");
  if ((records.failed = !games || games->failed())) return;
  if (games->recordCount() != 1) {
    records.refusal = kMismatch;
    return;
  }
  records.refusal = summaryRefusal(change.summary, {blocksOf(records.count) + " of Game: ", {}}, games->text("name"),
                                   "game");
}

}  // namespace

int rootLevelOf(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::DeleteGame: return 1;
    case ChangeKind::DeleteCharacter: return 2;
    default: return 3;
  }
}

ChangeRecords checkedRecords(Store& store, const Change& change) {
  ChangeRecords records;
  const int rootLevel = rootLevelOf(change.kind);
  auto shape = store.OpenRecordset(
      "history", "id=?1", {change.id, std::int64_t{rootLevel}},
      std::string("(select count(*) from history_record r where r.changeid=history.id) as records,"
                  " (select count(*) from history_record r where r.changeid=history.id and r.level=?2) as roots,"
                  " (select count(*) from history_record r where r.changeid=history.id and r.level=2) as characters,"
                  " (select count(*) from history_record r where r.changeid=history.id and r.level=3) as combos, ") +
          kUnsoundRows);
  if ((records.failed = !shape || shape->failed() || shape->atEnd())) return records;
  records.count = shape->integer("records");
  const bool blocks = change.kind == ChangeKind::ReplaceBlocks;
  if (records.count == 0) {
    records.refusal = "the history holds none of its records";
    return records;
  }
  if (shape->integer("unsound") != 0 || (!blocks && shape->integer("roots") != 1)) {
    records.refusal = kMismatch;
    return records;
  }
  auto root = store.OpenRecordset("history_record", "changeid=? and level=?", {change.id, std::int64_t{rootLevel}},
                                  "recordid, parentid, name");
  if ((records.failed = !root || root->failed() || root->atEnd())) return records;
  records.rootId = root->integer("recordid");
  records.rootParentId = root->integer("parentid");
  records.rootName = root->text("name");
  if (blocks)
    checkBlocks(store, change, records);
  else
    checkDelete(store, change, rootLevel, shape->integer("characters"), shape->integer("combos"), records);
  return records;
}

}  // namespace strikepad
