#pragma once
// The commands that move combos between the catalogue and the adapter's memory slots:
// Download (the "DownLoad" button), Reload (command 110) and Capture (command 109), with the
// busy flag that refuses a second device command while one is inside its transfer.

#include <optional>

#include "catalogue/catalogue.h"
#include "device/device_link.h"
#include "device/device_panel.h"

namespace strikepad {

class DeviceCommands {
 public:
  DeviceCommands(DeviceLink& link, Catalogue& catalogue, DevicePanel& panel);

  void OnDownload();
  void OnReload();
  void OnCapture();

  // Slot 0..3 of the first checked button "1".."4"; 4 when none of those is checked.
  int SelectedSlot() const;
  // Stores `value` (0 or 1) in the busy flag and draws the indicator.
  void SetBusy(int value);
  // Draws the indicator for the current flag; the window calls it after each of its paints.
  void DrawBusyIndicator();
  bool busy() const { return busy_; }

  // Writes the stored block of combo `comboId` into `slot`. 1 when the block was handed to the
  // slot transfer and that did not fail, else 0.
  int DownloadCombo(RecordId comboId, int slot);

 private:
  // Sets the flag for a transfer step and clears it on every way out of that step.
  class BusySpan;

  Prompts& window() { return catalogue_.prompts(); }
  PickList& combos() { return catalogue_.lists().combos; }
  // Shows the transfer's progress on the indicator while the link reports it.
  TransferProgress progressOnIndicator();
  // Reads `slot` while busy; a failed transfer shows `failedMessage` before busy ends. The
  // block, or none when the read did not complete.
  std::optional<ComboBlock> readSlotWhileBusy(int slot, const char* failedMessage);

  DeviceLink& link_;
  Catalogue& catalogue_;
  DevicePanel& panel_;
  bool busy_ = false;
  TransferState transfer_;
};

}  // namespace strikepad
