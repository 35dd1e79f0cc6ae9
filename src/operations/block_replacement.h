#pragma once
// A combo's block replaced in its record, with the block it replaces kept in the history: the
// one replacement the operations, the window's commands and an import run.

#include <cstdint>
#include <optional>
#include <span>

#include "history/change_history.h"
#include "store/tables/records.h"

namespace strikepad {

class Store;

// Whether an operation records what it removes in the history (catalogue/change_history.h).
// NotRecorded serves only to measure what recording costs.
enum class History { Recorded, NotRecorded };

// The blocks replaced while a batch is open: one change of the history for all of them.
struct BlockBatch {
  std::optional<ChangeId> change;  // made with the first replacement
  std::int64_t blocks = 0;
};

// Gives combo `comboId` the block `block` in one transaction, recording the block it held
// (as a change of its own, or into `batch` when one is open; a batch lies inside its caller's
// transaction). A block replaced by the same bytes is not recorded. Failed after the store
// error report.
ReplaceOutcome replaceBlock(Store& store, RecordId comboId, std::span<const std::uint8_t> block,
                            History history = History::Recorded, BlockBatch* batch = nullptr);

}  // namespace strikepad
