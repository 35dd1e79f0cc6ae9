#pragma once
// What the adapter holds: its five slots read one after the other, and each matched to the
// catalogue's combos whose stored blocks play as it does (compared up to and including the end
// marker, combo/played_steps.h). Finding them costs one pass over the stored blocks, however
// many slots are matched.

#include <array>
#include <string>
#include <vector>

#include "combo/combo_block.h"
#include "device/adapter_slots.h"
#include "device/device_link.h"
#include "operations/catalogue_file.h"
#include "operations/lookup.h"
#include "operations/outcome.h"

namespace strikepad {

// Done when all five slots were read. Otherwise it stopped at the first slot that failed, as
// readSlot fails (`transfer` NoAdapter after the lookup was reported, or Failed with the
// transport's reason), and `blocks` holds what the slots before it held.
struct SlotsRead : Result {
  TransferOutcome transfer = TransferOutcome::Done;
  int slotsDone = 0;
  SlotBlocks blocks{};
};
// `progress` counts the replies of all five slots together.
SlotsRead readAllSlots(DeviceLink& link, const LookupReport& lookups, const TransferProgress& progress = {});

enum class SlotHolds {
  Empty,        // step 0 is the end marker
  Catalogued,   // `matches` holds the combos that play as the slot does
  Uncatalogued  // no combo plays as it does
};

struct SlotMatch {
  RecordPath path;
  std::string game;
  std::string character;
  std::string combo;
  bool tailDiffers = false;  // the bytes after the end marker are not the slot's
};

struct SlotContent {
  ComboBlock block{};
  SlotHolds holds = SlotHolds::Uncatalogued;
  // Those with the slot's tail first; each group by game, character and combo as added.
  std::vector<SlotMatch> matches;
};

// Failed with the store's report when the catalogue could not be read.
struct SlotOverview : Result {
  // Not named "slots": Qt takes that word for a macro.
  std::array<SlotContent, kSlotCount> contents{};
};
SlotOverview matchSlots(CatalogueFile& file, const SlotBlocks& blocks);

}  // namespace strikepad
