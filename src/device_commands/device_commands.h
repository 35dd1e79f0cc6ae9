#pragma once
// The commands that move combos between the catalogue and the adapter's memory slots:
// Download (the "DownLoad" button), Reload (command 110) and Capture (command 109), with the
// busy flag that refuses a second device command while one is inside its transfer. The
// questions before a transfer and the catalogue work after it run on the caller's thread; the
// transfer itself runs where the TransferRunner puts it, and the command goes on when it ends.

#include <functional>

#include "catalogue/catalogue.h"
#include "device/device_link.h"
#include "device_commands/device_panel.h"
#include "device_commands/transfer_runner.h"

namespace strikepad {

class DeviceCommands {
 public:
  // Transfers run at once, on the calling thread.
  DeviceCommands(DeviceLink& link, Catalogue& catalogue, DevicePanel& panel);
  // Transfers run through `runner`; while one runs, the link belongs to it.
  DeviceCommands(DeviceLink& link, Catalogue& catalogue, DevicePanel& panel, TransferRunner& runner);

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

  // Writes the stored block of combo `comboId` into `slot`, ending the busy span the caller
  // started when the write has ended ("download failed" shown before), or at once when there
  // is nothing to write. 1 when the block was handed to the slot transfer, else 0.
  int DownloadCombo(RecordId comboId, int slot);

 private:
  using SlotTransfer = std::function<TransferOutcome(const LookupReport& lookups, const TransferProgress& progress)>;

  Prompts& window() { return catalogue_.prompts(); }
  PickList& combos() { return catalogue_.lists().combos; }
  // Shows the transfer's progress on the indicator while the link reports it.
  TransferProgress progressOnIndicator();
  // Runs `transfer` while busy. When it ends, a failure shows `failedMessage` before busy
  // ends; after a completed transfer `completed` runs with busy cleared.
  void transferWhileBusy(SlotTransfer transfer, const char* failedMessage, std::function<void()> completed);
  // Reads `slot` while busy and hands the block to `completed` when the read completed.
  void readSlotWhileBusy(int slot, const char* failedMessage, std::function<void(const ComboBlock&)> completed);

  DeviceLink& link_;
  Catalogue& catalogue_;
  DevicePanel& panel_;
  InlineTransferRunner inlineRunner_;
  TransferRunner& runner_;
  bool busy_ = false;
  TransferState transfer_;
};

}  // namespace strikepad
