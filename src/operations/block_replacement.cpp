#include "operations/block_replacement.h"

#include <string>

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
  // A batch lies inside its caller's transaction, which undoes all of it on a failure: a
  // savepoint of its own for every block would only slow a large import down.
  const BlockWrite write = batch ? BlockWrite::InCallers : BlockWrite::OwnTransaction;
  return writeBlock(store, comboId, block, write, [&] {
    return history == History::NotRecorded || recordReplacement(store, comboId, batch);
  });
}

}  // namespace strikepad
