#include "device_commands/lookup_notices.h"

namespace strikepad {

namespace {

std::string notOpenedMessage(const std::string& reason) {
  return "Found the adapter but can not open it (" + reason +
         "). Your login needs access to it: install the udev rule 60-strikepad.rules, then replug "
         "the adapter.";
}

}  // namespace

void showLookup(Prompts& window, const Lookup& lookup) {
  switch (lookup.outcome) {
    case LookupOutcome::Connected:
      return window.setTitle(kConnectedTitle);
    case LookupOutcome::NotFound:
      window.notice(kDeviceNotFound);
      return window.setTitle(kDisconnectedTitle);
    case LookupOutcome::NotOpened:
      window.notice(notOpenedMessage(lookup.systemText));
      return window.setTitle(kDisconnectedTitle);
    case LookupOutcome::HidUnavailable:
      return window.notice(kHidUnavailable);
  }
}

bool lookUpAdapter(DeviceLink& link, Prompts& window) {
  const Lookup lookup = link.OpenDevice();
  showLookup(window, lookup);
  return lookup.connected();
}

LookupReport lookupsShownIn(Prompts& window) {
  return [&window](const Lookup& lookup) { showLookup(window, lookup); };
}

}  // namespace strikepad
