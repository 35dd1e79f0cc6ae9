#pragma once
// A combo's block replaced in its record, with the block it replaces kept in the history: the
// one replacement both the window's commands and the operations run.

#include <cstdint>
#include <optional>
#include <span>

#include "catalogue/change_history.h"
#include "catalogue/records.h"

namespace strikepad {

class Store;

// The blocks replaced while a batch is open: one change of the history for all of them.
struct BlockBatch {
  std::optional<ChangeId> change;  // made with the first replacement
  std::int64_t blocks = 0;
};

enum class ReplaceOutcome { Replaced, NothingThere, Failed };

// Gives combo `comboId` the block `block` in one transaction, recording the block it held
// (as a change of its own, or into `batch` when one is open; a batch lies inside its caller's
// transaction). A block replaced by the same bytes is not recorded. Failed after the store
// error report.
ReplaceOutcome replaceBlock(Store& store, RecordId comboId, std::span<const std::uint8_t> block,
                            History history = History::Recorded, BlockBatch* batch = nullptr);

// The stored bytes of a combo's data field (empty when the field is empty); no bytes when
// there is no such combo; `failed` after the store error report.
struct StoredBytes {
  bool failed = false;
  std::optional<std::vector<std::uint8_t>> bytes;
};
StoredBytes readStoredBlock(Store& store, RecordId comboId);

}  // namespace strikepad
