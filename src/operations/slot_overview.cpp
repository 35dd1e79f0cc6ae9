#include "operations/slot_overview.h"

#include <algorithm>
#include <utility>

#include "combo/played_steps.h"
#include "device/slot_protocol.h"
#include "operations/slot_operations.h"
#include "store/tables/played_steps_lookup.h"

namespace strikepad {

SlotsRead readAllSlots(DeviceLink& link, const LookupReport& lookups, const TransferProgress& progress) {
  SlotsRead read;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const TransferProgress slotProgress = [&progress, slot](int done, int total) {
      if (progress) progress(slot * total + done, kSlotCount * total);
    };
    const SlotResult one = readSlot(link, slot, lookups, slotProgress);
    if (!one.done()) {
      static_cast<Result&>(read) = one;
      read.transfer = one.transfer;
      return read;
    }
    read.blocks[static_cast<std::size_t>(slot)] = one.block;
    read.slotsDone = slot + 1;
  }
  return read;
}

namespace {

SlotMatch matchOf(const KeyedCombo& stored, const ComboBlock& slot) {
  const RecordPath path{static_cast<RecordId>(stored.gameId), static_cast<RecordId>(stored.characterId),
                        static_cast<RecordId>(stored.comboId)};
  return {path, stored.game, stored.character, stored.combo, tailsDiffer(slot, stored.block)};
}

}  // namespace

SlotOverview matchSlots(CatalogueFile& file, const SlotBlocks& blocks) {
  SlotOverview overview;
  std::vector<ComboBlock> sought;
  for (std::size_t slot = 0; slot < blocks.size(); ++slot) {
    overview.contents[slot].block = blocks[slot];
    if (isEmptyCombo(blocks[slot]))
      overview.contents[slot].holds = SlotHolds::Empty;
    else
      sought.push_back(blocks[slot]);
  }
  if (sought.empty()) return overview;
  file.takeReport();  // a report left from before must not pass for this read's
  const std::optional<std::vector<KeyedCombo>> found = combosKeyedLike(file.store(), sought);
  if (!found) {
    static_cast<Result&>(overview) = file.storeFailed();
    return overview;
  }
  for (SlotContent& slot : overview.contents) {
    if (slot.holds == SlotHolds::Empty) continue;
    // Keys can agree for blocks that play differently: only equal played parts match.
    for (const KeyedCombo& stored : *found)
      if (playsAlike(stored.block, slot.block)) slot.matches.push_back(matchOf(stored, slot.block));
    std::ranges::stable_partition(slot.matches, [](const SlotMatch& match) { return !match.tailDiffers; });
    if (!slot.matches.empty()) slot.holds = SlotHolds::Catalogued;
  }
  return overview;
}

}  // namespace strikepad
