#include "flows/device_flows.h"

#include <memory>

#include "device/slot_protocol.h"
#include "flows/device_messages.h"
#include "flows/lookup_notices.h"
#include "flows/status_reports.h"
#include "operations/catalogue_operations.h"
#include "operations/shared_texts.h"

namespace strikepad {

namespace msg = device_messages;

DeviceCommands::DeviceCommands(DeviceLink& link, Catalogue& catalogue, CatalogueFile& file, DevicePanel& panel)
    : DeviceCommands(link, catalogue, file, panel, inlineRunner_) {}

DeviceCommands::DeviceCommands(DeviceLink& link, Catalogue& catalogue, CatalogueFile& file, DevicePanel& panel,
                               TransferRunner& runner)
    : link_(link), catalogue_(catalogue), file_(file), panel_(panel), runner_(runner) {}

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

// The text the list shows for the record `id`; the record's own name, as the user picked it.
std::string nameInList(const PickList& list, RecordId id) {
  for (int i = 0; i < list.count(); ++i)
    if (list.id(i) == id) return list.text(i);
  return "the combo";
}

CommandEnd endOf(TransferOutcome outcome, bool stored) {
  switch (outcome) {
    case TransferOutcome::Done: return stored ? CommandEnd::Done : CommandEnd::NotStored;
    case TransferOutcome::NoAdapter: return CommandEnd::NoAdapter;
    case TransferOutcome::Failed: break;
  }
  return CommandEnd::TransferFailed;
}

// The store error report of an operation that failed on the store; none when the catalogue
// never opened (its opening told why).
void showStoreFailure(Prompts& window, const Result& result) {
  if (result.outcome == Outcome::Failed && !result.reason.empty()) window.warning(result.reason);
}

}  // namespace

void DeviceCommands::transferWhileBusy(SlotTransfer transfer, const char* failedMessage, Completion completed,
                                       CommandEnded ended) {
  // Filled by the transfer, wherever it runs, and read once it has ended.
  auto result = std::make_shared<SlotResult>();
  runner_.start({[transfer = std::move(transfer), result](const LookupReport& lookups, const TransferProgress& progress) {
                   *result = transfer(lookups, progress);
                   return result->transfer;
                 },
                 lookupsShownIn(window()), progressOnIndicator(),
                 [this, result, failedMessage, completed = std::move(completed), ended = std::move(ended)](TransferOutcome outcome) {
                   if (outcome == TransferOutcome::Failed)
                     window().notice(shared_texts::transferFailed(failedMessage, result->reason));
                   SetBusy(0);
                   const bool stored = outcome != TransferOutcome::Done || !completed || completed(result->block);
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
  // The store is read here, on the caller's thread: only the slot write runs where the runner
  // puts it.
  const BlockResult stored = readComboData(file_, comboId);
  showStoreFailure(window(), stored);
  if (!stored.done() || stored.bytes.empty()) {
    SetBusy(0);
    return 0;
  }
  // A value shorter than a block goes out padded with end markers, never with other bytes.
  const ComboBlock block = blockFromBytes(stored.bytes.data(), stored.bytes.size());
  transferWhileBusy([this, slot, block](const LookupReport& lookups, const TransferProgress& progress) {
    return writeSlot(link_, slot, block, lookups, progress);
  }, shared_texts::kDownloadFailed, [this, comboId, slot](const ComboBlock&) {
    window().report(status_reports::downloaded(nameInList(combos(), comboId), slot + 1));
    return true;
  }, std::move(ended));
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
  readSlotWhileBusy(slot, shared_texts::kReloadFailed, [this, comboId, slot](const ComboBlock& block) {
    const Result replaced = replaceComboData(file_, comboId, block);
    showStoreFailure(window(), replaced);
    if (replaced.done()) window().report(status_reports::reloaded(nameInList(combos(), comboId), slot + 1));
    return replaced.done();
  }, std::move(ended));
}

void DeviceCommands::readSlotWhileBusy(int slot, const char* failedMessage, Completion completed, CommandEnded ended) {
  SetBusy(1);
  transferWhileBusy([this, slot](const LookupReport& lookups, const TransferProgress& progress) {
    return readSlot(link_, slot, lookups, progress);
  }, failedMessage, [this, slot, completed = std::move(completed)](const ComboBlock& block) {
    // An empty slot reads like any other; storing its emptiness is the user's choice.
    if (isEmptyCombo(block) && !window().ask(shared_texts::emptySlotQuestion(slot + 1))) return false;
    return completed(block);
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
  readSlotWhileBusy(slot, shared_texts::kReadFailed, [this, characterId, slot, nameAfterRead = std::move(nameAfterRead)](
                                                          const ComboBlock& block) {
    const std::string name = nameAfterRead();
    if (name.empty()) return false;
    const AddResult added = addCombo(file_, characterId, name, block);
    if (added.outcome == Outcome::NameTaken) window().notice(shared_texts::kDuplicateName);
    showStoreFailure(window(), added);
    // The character was deleted while the slot was read: show the catalogue as it is now.
    if (added.outcome == Outcome::ParentGone) {
      window().notice(shared_texts::kCharacterGone);
      catalogue_.FillGameList();
      return false;
    }
    if (added.done()) {
      combos().select(combos().append(name, added.id));
      window().report(status_reports::captured(name, slot + 1));
    } else {
      selectByName(combos(), name);
    }
    return added.done();
  }, std::move(ended));
}

}  // namespace strikepad
