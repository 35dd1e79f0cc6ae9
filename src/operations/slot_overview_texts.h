#pragma once
// How both front ends say what a slot holds: "Street Fighter IV / Ryu / Hadouken", "empty" or
// "not in the catalogue". Names come as stored; each front end makes them safe to show.

#include <string>

#include "operations/shared_texts.h"
#include "operations/slot_overview.h"

namespace strikepad::shared_texts {

inline constexpr const char* kSlotEmpty = "empty";
inline constexpr const char* kSlotNotInCatalogue = "not in the catalogue";
inline constexpr const char* kTailDiffers = " (the bytes after the end marker differ)";

// "game / character / combo", and the note when the bytes after the end marker differ.
inline std::string slotMatchText(const SlotMatch& match) {
  return recordPathText({match.game, match.character, match.combo}) + (match.tailDiffers ? kTailDiffers : "");
}

// What the slot holds, in one line; several combos that play alike are separated by "; ".
inline std::string slotContentText(const SlotContent& slot) {
  switch (slot.holds) {
    case SlotHolds::Empty: return kSlotEmpty;
    case SlotHolds::Uncatalogued: return kSlotNotInCatalogue;
    case SlotHolds::Catalogued: break;
  }
  std::string text;
  for (const SlotMatch& match : slot.matches) text += (text.empty() ? "" : "; ") + slotMatchText(match);
  return text;
}

}  // namespace strikepad::shared_texts
