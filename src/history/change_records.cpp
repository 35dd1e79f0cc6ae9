#include "history/change_records.h"

#include <array>
#include <optional>

#include "store/store.h"
#include "text/name_fold.h"

namespace strikepad {

namespace {

constexpr std::array<const char*, 3> kParentNouns{nullptr, "game", "character"};

constexpr const char* kMismatch = "the history holds records that do not match it";

std::string quoted(const std::string& name) { return "\"" + name + "\""; }

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
void checkDelete(Store& store, const Change& change, int rootLevel, const ChangeShapeRow& shape,
                 ChangeRecords& records) {
  const auto index = static_cast<std::size_t>(rootLevel - 1);
  std::string parent;
  if (rootLevel > kGameTable.level) {
    const FoundName name = recordName(store, tableOfLevel(rootLevel - 1), records.rootParentId);
    if ((records.failed = name.failed)) return;
    if (!name.name) {
      records.refusal = std::string("the ") + kParentNouns[index] + " it belonged to is gone";
      return;
    }
    parent = *name.name;
  }
  const SummaryFrame frame = rootLevel == 1   ? gameSummary(records.rootName, shape.characters, shape.combos)
                             : rootLevel == 2 ? characterSummary(records.rootName, shape.combos)
                                              : comboSummary(records.rootName);
  records.refusal = summaryRefusal(change.summary, frame, parent, kParentNouns[index]);
}

// Replaced blocks: each combo must stand where its row says, under the name it had, and the
// summary must name it (one block replaced alone) or the one game holding them all (a batch).
void checkBlocks(Store& store, const Change& change, ChangeRecords& records) {
  const FoundName gone = goneBlockCombo(store, change.id);
  if ((records.failed = gone.failed)) return;
  if (gone.name) {
    records.refusal = "the combo " + quoted(*gone.name) + " is gone";
    return;
  }
  const FoundName moved = movedBlockCombo(store, change.id);
  if ((records.failed = moved.failed)) return;
  if (moved.name) {
    records.refusal = "its block would go into the combo " + quoted(*moved.name);
    return;
  }
  const SummaryFrame alone{kBlockOf + comboSummary(records.rootName).before, {}};
  if (records.count == 1 && change.summary.starts_with(alone.before)) {
    const FoundName character = recordName(store, kCharacterTable, records.rootParentId);
    records.failed = character.failed;
    records.refusal = summaryRefusal(change.summary, alone, character.name.value_or(""), "character");
    return;
  }
  const auto games = gamesOfBlocks(store, change.id);
  if ((records.failed = !games)) return;
  if (games->size() != 1) {
    records.refusal = kMismatch;
    return;
  }
  records.refusal = summaryRefusal(change.summary, {blocksOf(records.count) + " of Game: ", {}}, games->front(), "game");
}

}  // namespace

ChangeRecords checkedRecords(Store& store, const Change& change) {
  ChangeRecords records;
  const int rootLevel = rootLevelOf(change.kind);
  const auto shape = changeShape(store, change.id, rootLevel);
  if ((records.failed = !shape)) return records;
  records.count = shape->records;
  const bool blocks = change.kind == ChangeKind::ReplaceBlocks;
  if (records.count == 0) {
    records.refusal = "the history holds none of its records";
    return records;
  }
  if (shape->unsound != 0 || (!blocks && shape->roots != 1)) {
    records.refusal = kMismatch;
    return records;
  }
  const auto root = firstRecordAt(store, change.id, rootLevel);
  if ((records.failed = !root)) return records;
  records.rootId = root->recordId;
  records.rootParentId = root->parentId;
  records.rootName = root->name;
  if (blocks)
    checkBlocks(store, change, records);
  else
    checkDelete(store, change, rootLevel, *shape, records);
  return records;
}

}  // namespace strikepad
