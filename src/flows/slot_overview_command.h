#pragma once
// "Adapter slots…": the adapter's five slots read as the other device commands read one - busy
// meanwhile, so every other command is refused, with the progress on the indicator, through the
// TransferRunner - then each matched to the catalogue. Showing the overview, and what the user
// does from it, is the window's.

#include <functional>

#include "flows/prompts.h"
#include "device/device_link.h"
#include "flows/device_flows.h"
#include "flows/transfer_runner.h"
#include "operations/catalogue_file.h"
#include "operations/slot_overview.h"

namespace strikepad {

class SlotOverviewCommand {
 public:
  using Shown = std::function<void(const SlotOverview& overview)>;

  SlotOverviewCommand(DeviceCommands& commands, DeviceLink& link, TransferRunner& runner, Prompts& window);

  // Refused with the busy notice while a device command runs. A read that failed shows "read
  // device failed" and the adapter's reason (no adapter: the lookup's notice); a catalogue that
  // could not be read, the store's report. Otherwise `shown` gets the overview, once busy has ended.
  void run(CatalogueFile& file, Shown shown);

 private:
  DeviceCommands& commands_;
  DeviceLink& link_;
  TransferRunner& runner_;
  Prompts& window_;
};

}  // namespace strikepad
