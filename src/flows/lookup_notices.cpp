#include "flows/lookup_notices.h"

#include "operations/shared_texts.h"

namespace strikepad {

void showLookup(Prompts& window, const Lookup& lookup) {
  switch (lookup.outcome) {
    case LookupOutcome::Connected:
      return window.setTitle(kConnectedTitle);
    case LookupOutcome::NotFound:
      window.notice(shared_texts::kDeviceNotFound);
      return window.setTitle(kDisconnectedTitle);
    case LookupOutcome::NotOpened:
      window.notice(shared_texts::adapterNotOpened(lookup.systemText));
      return window.setTitle(kDisconnectedTitle);
    case LookupOutcome::HidUnavailable:
      return window.notice(shared_texts::kHidUnavailable);
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
