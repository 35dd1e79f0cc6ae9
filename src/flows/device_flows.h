#pragma once
// The window's commands that move combos between the catalogue and the adapter's memory slots:
// Download (the "DownLoad" button), Reload (command 110) and Capture (command 109), with the
// busy flag that refuses a second device command while one is inside its transfer. The
// questions before a transfer and the catalogue operations after it run on the caller's thread;
// the slot operation itself runs where the TransferRunner puts it, and the command goes on when
// it ends.

#include <functional>
#include <string>

#include "flows/catalogue_flows.h"
#include "device/device_link.h"
#include "flows/device_panel.h"
#include "flows/transfer_runner.h"
#include "operations/catalogue_file.h"
#include "operations/slot_operations.h"

namespace strikepad {

// What a device command came to once it has ended, for a caller that presents it itself.
enum class CommandEnd {
  Done,            // the transfer completed, and what it read was stored
  NoAdapter,       // nothing sent; the lookup has been shown
  TransferFailed,  // after its message ("download failed", ...)
  NotStored,       // the read completed but nothing was stored (a name taken, a record gone, an empty slot)
};
using CommandEnded = std::function<void(CommandEnd)>;

class DeviceCommands {
 public:
  // `catalogue` holds the lists and prompts, `file` the records. Transfers run at once, on the
  // calling thread.
  DeviceCommands(DeviceLink& link, Catalogue& catalogue, CatalogueFile& file, DevicePanel& panel);
  // Transfers run through `runner`; while one runs, the link belongs to it.
  DeviceCommands(DeviceLink& link, Catalogue& catalogue, CatalogueFile& file, DevicePanel& panel,
                 TransferRunner& runner);

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
  // is nothing to write. 1 when the block was handed to the slot transfer, else 0; `ended`
  // hears how a transfer ended.
  int DownloadCombo(RecordId comboId, int slot, CommandEnded ended = {});
  // What Reload does once asked: reads `slot` into the stored combo `comboId`. Reload and
  // Capture ask before storing what an empty slot holds.
  void ReloadCombo(RecordId comboId, int slot, CommandEnded ended = {});
  // What the combo list's Add does: reads `slot` into a new combo of `characterId`, named by
  // `nameAfterRead` once the read has completed (an empty name stores nothing).
  void CaptureCombo(RecordId characterId, int slot, std::function<std::string()> nameAfterRead,
                    CommandEnded ended = {});

  // Shows a transfer's progress on the indicator while the link reports it (for a transfer
  // started while busy was set).
  TransferProgress progressOnIndicator();

 private:
  // A slot operation; it runs where the runner puts it, so it touches the link only.
  using SlotTransfer = std::function<SlotResult(const LookupReport& lookups, const TransferProgress& progress)>;
  // Stores the block a completed transfer brought; false when nothing was stored.
  using Completion = std::function<bool(const ComboBlock& block)>;

  Prompts& window() { return catalogue_.prompts(); }
  PickList& combos() { return catalogue_.lists().combos; }
  // Runs `transfer` while busy. When it ends, a failure shows `failedMessage`, then the link's
  // reason, before busy ends; after a completed transfer `completed` runs with busy cleared and
  // the block read. `ended` hears last.
  void transferWhileBusy(SlotTransfer transfer, const char* failedMessage, Completion completed, CommandEnded ended);
  // Reads `slot` while busy and hands the block to `completed` when the read completed; the
  // block of an empty slot only when the user answers Yes to storing it.
  void readSlotWhileBusy(int slot, const char* failedMessage, Completion completed, CommandEnded ended);

  DeviceLink& link_;
  Catalogue& catalogue_;
  CatalogueFile& file_;
  DevicePanel& panel_;
  InlineTransferRunner inlineRunner_;
  TransferRunner& runner_;
  bool busy_ = false;
  TransferState transfer_;
};

}  // namespace strikepad
