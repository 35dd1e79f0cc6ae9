#pragma once
// How a lookup of the adapter shows: the window's title, and a notice when none could be opened.

#include "flows/prompts.h"
#include "device/device_link.h"

namespace strikepad {

inline constexpr const char* kConnectedTitle = "Norvik Strikepad 2.0 Velocade [Connected]";
inline constexpr const char* kDisconnectedTitle = "Norvik Strikepad 2.0 Velocade [Disconnected]";

// The notice first, then the title; an unusable HID layer leaves the title alone.
void showLookup(Prompts& window, const Lookup& lookup);

// Looks the adapter up anew and shows what was found; true when it is open.
bool lookUpAdapter(DeviceLink& link, Prompts& window);

// Shows each lookup a transfer makes in `window`, as it is made.
LookupReport lookupsShownIn(Prompts& window);

}  // namespace strikepad
