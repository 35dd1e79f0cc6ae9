#pragma once
// The adapter's memory slots: one block read from a slot, written to it, or a stored combo
// written to it. Capture (read, then addCombo) and reload (read, then replaceComboData) are
// composed by the front ends, which also keep any busy state of their own. `slot` is 0..4.

#include "store/tables/record_id.h"
#include "combo/combo_block.h"
#include "device/device_link.h"
#include "operations/catalogue_file.h"
#include "operations/outcome.h"

namespace strikepad {

// Done when the transfer completed (`block`: what a read brought). Failed when there was no
// adapter (`transfer` NoAdapter: the lookup that found none has been reported) or the transfer
// failed (`transfer` Failed), with the transport's text as the reason where it has one.
struct SlotResult : Result {
  TransferOutcome transfer = TransferOutcome::Done;
  ComboBlock block{};
};

SlotResult readSlot(DeviceLink& link, int slot, const LookupReport& lookups, const TransferProgress& progress = {});
SlotResult writeSlot(DeviceLink& link, int slot, const ComboBlock& block, const LookupReport& lookups,
                     const TransferProgress& progress = {});
// Writes the stored block of combo `comboId` into `slot`; a value shorter than a block goes out
// padded with end markers. NotFound when there is no such combo, Refused when it holds no data
// (nothing sent either way). The catalogue is only read, and no lock is held during the transfer.
SlotResult downloadCombo(CatalogueFile& file, DeviceLink& link, RecordId comboId, int slot,
                         const LookupReport& lookups, const TransferProgress& progress = {});

}  // namespace strikepad
