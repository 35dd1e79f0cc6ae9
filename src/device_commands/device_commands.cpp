#include "device_commands/device_commands.h"

#include <memory>

#include "flows/list_steps.h"
#include "flows/window_texts.h"
#include "device_commands/device_messages.h"
#include "device/slot_protocol.h"
#include "device_commands/lookup_notices.h"

namespace strikepad {

namespace msg = device_messages;

DeviceCommands::DeviceCommands(DeviceLink& link, Catalogue& catalogue, DevicePanel& panel)
    : DeviceCommands(link, catalogue, panel, inlineRunner_) {}

DeviceCommands::DeviceCommands(DeviceLink& link, Catalogue& catalogue, DevicePanel& panel, TransferRunner& runner)
    : link_(link), catalogue_(catalogue), panel_(panel), runner_(runner) {}

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

namespace {

CommandEnd endOf(TransferOutcome outcome, bool stored) {
  switch (outcome) {
    case TransferOutcome::Done: return stored ? CommandEnd::Done : CommandEnd::NotStored;
    case TransferOutcome::NoAdapter: return CommandEnd::NoAdapter;
    case TransferOutcome::Failed: break;
  }
  return CommandEnd::TransferFailed;
}

}  // namespace

void DeviceCommands::transferWhileBusy(SlotTransfer transfer, const char* failedMessage, Completion completed,
                                       CommandEnded ended) {
  runner_.start({std::move(transfer), lookupsShownIn(window()), progressOnIndicator(),
                 [this, failedMessage, completed = std::move(completed), ended = std::move(ended)](TransferOutcome outcome) {
                   if (outcome == TransferOutcome::Failed)
                     window().notice(msg::transferFailed(failedMessage, link_.lastFailure()));
                   SetBusy(0);
                   const bool stored = outcome != TransferOutcome::Done || !completed || completed();
                   if (ended) ended(endOf(outcome, stored));
                 }});
}

void DeviceCommands::OnDownload() {
  if (busy_) return window().notice(msg::kBusy);
  if (combos().count() == 0) return window().notice(msg::kComboListEmpty);
  if (!combos().hasSelection()) return window().notice(msg::kSelectComboFirst);
  const int slot = SelectedSlot();
  if (!window().ask(msg::downloadQuestion(combos().selectedText(), slot + 1))) return;
  panel_.invalidateClientArea();
  const RecordId comboId = combos().selectedId();
  SetBusy(1);
  DownloadCombo(comboId, slot);
}

int DeviceCommands::DownloadCombo(RecordId comboId, int slot, CommandEnded ended) {
  const auto stored = catalogue_.readComboData(comboId);
  if (!stored || stored->empty()) {
    SetBusy(0);
    return 0;
  }
  // A value shorter than a block goes out padded with end markers, never with other bytes.
  const ComboBlock block = blockFromBytes(stored->data(), stored->size());
  transferWhileBusy([this, slot, block](const LookupReport& lookups, const TransferProgress& progress) {
    return link_.WriteSlot(lookups, slot, block, progress);
  }, msg::kDownloadFailed, {}, std::move(ended));
  return 1;
}

void DeviceCommands::OnReload() {
  if (busy_) return window().notice(msg::kBusy);
  if (!combos().hasSelection()) return;
  const int slot = SelectedSlot();
  if (!window().ask(msg::reloadQuestion(combos().selectedText(), slot + 1))) return;
  ReloadCombo(combos().selectedId(), slot);
}

void DeviceCommands::ReloadCombo(RecordId comboId, int slot, CommandEnded ended) {
  readSlotWhileBusy(slot, msg::kReloadFailed, [this, comboId](const ComboBlock& block) {
    return catalogue_.ReplaceComboData(comboId, block.data(), block.size()) == 1;
  }, std::move(ended));
}

void DeviceCommands::readSlotWhileBusy(int slot, const char* failedMessage,
                                       std::function<bool(const ComboBlock&)> completed, CommandEnded ended) {
  SetBusy(1);
  // Filled by the transfer, wherever it runs, and read once it has ended.
  auto block = std::make_shared<ComboBlock>(emptyComboBlock());
  transferWhileBusy([this, slot, block](const LookupReport& lookups, const TransferProgress& progress) {
    return link_.ReadSlot(lookups, slot, *block, progress);
  }, failedMessage, [this, slot, block, completed = std::move(completed)] {
    // An empty slot reads like any other; storing its emptiness is the user's choice.
    if (isEmptyCombo(*block) && !window().ask(msg::emptySlotQuestion(slot + 1))) return false;
    return completed(*block);
  }, std::move(ended));
}

void DeviceCommands::OnCapture() {
  if (busy_) return window().notice(msg::kBusy);
  PickList& characters = catalogue_.lists().characters;
  if (characters.count() == 0) return window().notice(msg::kCharacterListEmpty);
  if (!characters.hasSelection()) return window().notice(msg::kSelectCharacterFirst);
  CaptureCombo(characters.selectedId(), SelectedSlot(),
               [this] { return window().askName(msg::kComboNameCaption, msg::kComboNameInitial); });
}

void DeviceCommands::CaptureCombo(RecordId characterId, int slot, std::function<std::string()> nameAfterRead,
                                  CommandEnded ended) {
  readSlotWhileBusy(slot, msg::kReadFailed, [this, characterId, nameAfterRead = std::move(nameAfterRead)](
                                                const ComboBlock& block) {
    const std::string name = nameAfterRead();
    if (name.empty()) return false;
    const StoreResult added = catalogue_.StoreNewCombo(name, characterId, block.data(), block.size());
    presentRefusal(catalogue_.prompts(), added, messages::kCharacterGone);
    // The character was deleted while the slot was read: show the catalogue as it is now.
    if (added.kind == StoreResult::Kind::ParentGone) {
      catalogue_.FillGameList();
      return false;
    }
    appendOrFind(combos(), name, added);
    return added.stored();
  }, std::move(ended));
}

}  // namespace strikepad
