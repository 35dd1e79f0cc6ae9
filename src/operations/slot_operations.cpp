#include "operations/slot_operations.h"

#include "operations/catalogue_operations.h"

namespace strikepad {

namespace {

SlotResult transferred(const DeviceLink& link, TransferOutcome transfer, const ComboBlock& block) {
  SlotResult result;
  result.transfer = transfer;
  result.block = block;
  if (transfer != TransferOutcome::Done) result.outcome = Outcome::Failed;
  if (transfer == TransferOutcome::Failed) result.reason = link.lastFailure();
  return result;
}

}  // namespace

SlotResult readSlot(DeviceLink& link, int slot, const LookupReport& lookups, const TransferProgress& progress) {
  ComboBlock block = emptyComboBlock();
  const TransferOutcome transfer = link.ReadSlot(lookups, slot, block, progress);
  return transferred(link, transfer, block);
}

SlotResult writeSlot(DeviceLink& link, int slot, const ComboBlock& block, const LookupReport& lookups,
                     const TransferProgress& progress) {
  const TransferOutcome transfer = link.WriteSlot(lookups, slot, block, progress);
  return transferred(link, transfer, block);
}

SlotResult downloadCombo(CatalogueFile& file, DeviceLink& link, RecordId comboId, int slot,
                         const LookupReport& lookups, const TransferProgress& progress) {
  const BlockResult stored = readComboData(file, comboId);
  SlotResult result;
  if (!stored.done()) {
    static_cast<Result&>(result) = stored;
    return result;
  }
  if (stored.bytes.empty()) {
    result.outcome = Outcome::Refused;
    return result;
  }
  return writeSlot(link, slot, blockFromBytes(stored.bytes.data(), stored.bytes.size()), lookups, progress);
}

}  // namespace strikepad
