#include "device/device_commands.h"

#include "catalogue/list_steps.h"
#include "device/device_messages.h"
#include "device/slot_protocol.h"

namespace strikepad {

namespace msg = device_messages;

class DeviceCommands::BusySpan {
 public:
  explicit BusySpan(DeviceCommands& commands) : commands_(commands) { commands_.SetBusy(1); }
  ~BusySpan() { commands_.SetBusy(0); }
  BusySpan(const BusySpan&) = delete;
  BusySpan& operator=(const BusySpan&) = delete;

 private:
  DeviceCommands& commands_;
};

DeviceCommands::DeviceCommands(DeviceLink& link, Catalogue& catalogue, DevicePanel& panel)
    : link_(link), catalogue_(catalogue), panel_(panel) {}

int DeviceCommands::SelectedSlot() const {
  for (int slot = 0; slot < kSlotCount - 1; ++slot)
    if (panel_.isSlotButtonChecked(slot)) return slot;
  return kSlotCount - 1;
}

void DeviceCommands::SetBusy(int value) {
  busy_ = value != 0;
  transfer_ = {};
  DrawBusyIndicator();
}

void DeviceCommands::DrawBusyIndicator() { panel_.drawBusyIndicator(busy_, transfer_); }

TransferProgress DeviceCommands::progressOnIndicator() {
  return [this](int done, int total) {
    transfer_ = {done, total};
    DrawBusyIndicator();
  };
}

void DeviceCommands::OnDownload() {
  if (busy_) return window().notice(msg::kBusy);
  if (combos().count() == 0) return window().notice(msg::kComboListEmpty);
  if (!combos().hasSelection()) return window().notice(msg::kSelectComboFirst);
  const int slot = SelectedSlot();
  if (!window().ask(msg::downloadQuestion(combos().selectedText(), slot + 1))) return;
  panel_.invalidateClientArea();
  const RecordId comboId = combos().selectedId();
  const BusySpan busy(*this);
  DownloadCombo(comboId, slot);
}

int DeviceCommands::DownloadCombo(RecordId comboId, int slot) {
  const auto stored = catalogue_.ReadComboData(comboId);
  if (!stored || stored->empty()) return 0;
  // A value shorter than a block goes out padded with end markers, never with other bytes.
  const ComboBlock block = blockFromBytes(stored->data(), stored->size());
  if (link_.WriteSlot(window(), slot, block, progressOnIndicator()) == kTransferFailed) {
    window().notice(msg::kDownloadFailed);
    return 0;
  }
  return 1;
}

void DeviceCommands::OnReload() {
  if (busy_) return window().notice(msg::kBusy);
  if (!combos().hasSelection()) return;
  const int slot = SelectedSlot();
  if (!window().ask(msg::reloadQuestion(combos().selectedText(), slot + 1))) return;
  const RecordId comboId = combos().selectedId();
  const std::optional<ComboBlock> block = readSlotWhileBusy(slot, msg::kReloadFailed);
  if (!block) return;
  catalogue_.ReplaceComboData(comboId, block->data(), block->size());
}

std::optional<ComboBlock> DeviceCommands::readSlotWhileBusy(int slot, const char* failedMessage) {
  const BusySpan busy(*this);
  ComboBlock block = emptyComboBlock();
  const int result = link_.ReadSlot(window(), slot, block, progressOnIndicator());
  if (result == kTransferFailed) window().notice(failedMessage);
  if (result != kTransferDone) return std::nullopt;
  return block;
}

void DeviceCommands::OnCapture() {
  if (busy_) return window().notice(msg::kBusy);
  PickList& characters = catalogue_.lists().characters;
  if (characters.count() == 0) return window().notice(msg::kCharacterListEmpty);
  if (!characters.hasSelection()) return window().notice(msg::kSelectCharacterFirst);
  const RecordId characterId = characters.selectedId();
  const std::optional<ComboBlock> block = readSlotWhileBusy(SelectedSlot(), msg::kReadFailed);
  if (!block) return;
  const std::string name = window().askName(msg::kComboNameCaption, msg::kComboNameInitial);
  if (name.empty()) return;
  const RecordId id = catalogue_.StoreNewCombo(name, characterId, block->data(), block->size());
  // The character was deleted while the slot was read: show the catalogue as it is now.
  if (id == kParentGone) return catalogue_.FillGameList();
  appendOrFind(combos(), name, id);
}

}  // namespace strikepad
