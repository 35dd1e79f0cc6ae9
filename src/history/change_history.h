#pragma once
// The history of destructive changes: what each delete and each replaced block removed, kept
// in the catalogue file (store/tables/history_table.h) and written in the transaction of the change
// itself, so a change and its record stand or fall together. The newest kHistoryLimit
// changes are kept.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/tables/history_table.h"
#include "store/tables/records.h"

namespace strikepad {

class Store;

struct Change {
  ChangeId id = 0;
  ChangeKind kind = ChangeKind::DeleteGame;
  std::string summary;  // "Game: Tekken 8 (12 characters, 240 combos)"
  std::int64_t at = 0;  // seconds since the epoch
};

// "the delete of Game: Tekken 8 (12 characters, 240 combos)"
std::string describe(const Change& change);

// A change's summary around the name of the record its records lie under (a game's delete
// names none): before + parent + after. Undo rebuilds it from the records it would put back,
// and refuses them when the change names something else.
struct SummaryFrame {
  std::string before;
  std::string after;
  std::string around(const std::string& parent) const { return before + parent + after; }
};
// "Game: Tekken 8 (12 characters, 240 combos)"
SummaryFrame gameSummary(const std::string& name, std::int64_t characters, std::int64_t combos);
// "Character: Ryu of " + game + " (12 combos)"
SummaryFrame characterSummary(const std::string& name, std::int64_t combos);
// "Combo: Hadoken of " + character
SummaryFrame comboSummary(const std::string& name);
// Before a combo's summary: a replaced block's change.
inline constexpr const char* kBlockOf = "the block of ";
// "the block of 1 combo", "the blocks of 12 combos": a batch's change, before " of " + subject.
std::string blocksOf(std::int64_t count);

// Inside the caller's transaction, before the delete: records the record `id` of `level` with
// all its children. False after the store error report.
bool recordDelete(Store& store, const Level& level, RecordId id);

// Inside the caller's transaction: a new change of replaced blocks, with `summary` (the names
// of what is replaced, as summaryOfBlock gives them); nullopt after the store error report.
std::optional<ChangeId> beginReplacement(Store& store, const std::string& summary);
// Records the block the combo holds now, before it is replaced.
bool recordBlock(Store& store, ChangeId change, RecordId comboId);
// "the block of Combo: Hadouken of Ryu"; empty when the store failed.
std::string summaryOfBlock(Store& store, RecordId comboId);
// Gives a change its summary once its records are known (a change of many blocks).
bool setSummary(Store& store, ChangeId change, const std::string& summary);

// The kept changes, newest first; an empty list for a file without a history; nullopt after
// the store error report, or after reporting a change it can not read.
std::optional<std::vector<Change>> recentChanges(Store& store);
// The change a row of the history holds. When a field holds what no change of this program
// holds (a kind it does not know, a time that is not a number of seconds), `damage` says so
// ("a time that is not a number"), and the change is to be refused, never read on: its kind
// and time then hold no stored value.
Change changeOf(const ChangeRow& row, std::string& damage);

// The history level of a change's top record: 1 game, 2 character, 3 combo (blocks too).
int rootLevelOf(ChangeKind kind);

}  // namespace strikepad
