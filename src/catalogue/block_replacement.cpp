#include "catalogue/block_replacement.h"

#include <algorithm>
#include <string>
#include <variant>

#include "store/store.h"
#include "store/transaction.h"

namespace strikepad {

namespace {

bool recordReplacement(Store& store, RecordId comboId, BlockBatch* batch) {
  if (!batch) {
    const std::string summary = summaryOfBlock(store, comboId);
    if (summary.empty()) return false;
    const auto change = beginReplacement(store, summary);
    return change && recordBlock(store, *change, comboId);
  }
  if (!batch->change) batch->change = beginReplacement(store, {});
  if (!batch->change) return false;
  ++batch->blocks;
  return recordBlock(store, *batch->change, comboId);
}

}  // namespace

ReplaceOutcome replaceBlock(Store& store, RecordId comboId, std::span<const std::uint8_t> block, History history,
                            BlockBatch* batch) {
  // The old block goes into the history with the new one in place, or neither does. A batch
  // lies inside its caller's transaction, which undoes all of it on a failure: a savepoint of
  // its own for every block would only slow a large import down.
  Transaction transaction(store, batch ? Transaction::Writes::OneStatement : Transaction::Writes::Several);
  if (!transaction.active()) return ReplaceOutcome::Failed;
  auto combo = store.OpenRecordset("moves", "id=?", {std::int64_t{comboId}});
  if (!combo || combo->failed()) return ReplaceOutcome::Failed;
  if (combo->recordCount() == 0) return ReplaceOutcome::NothingThere;
  // A block replaced by the same bytes loses nothing: there is nothing to record.
  const auto* stored = std::get_if<Bytes>(&combo->collect("data"));
  const bool same = stored && std::ranges::equal(*stored, block);
  if (history == History::Recorded && !same && !recordReplacement(store, comboId, batch)) return ReplaceOutcome::Failed;
  combo->appendChunk("data", block);
  return combo->update() && transaction.commit() ? ReplaceOutcome::Replaced : ReplaceOutcome::Failed;
}

StoredBytes readStoredBlock(Store& store, RecordId comboId) {
  auto combo = store.OpenRecordset("moves", "id=?", {std::int64_t{comboId}});
  if (!combo || combo->failed()) return {true, std::nullopt};
  if (combo->recordCount() == 0) return {};
  return {false, combo->getChunk("data", combo->actualSize("data"))};
}

}  // namespace strikepad
