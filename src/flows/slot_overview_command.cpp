#include "flows/slot_overview_command.h"

#include <memory>
#include <utility>

#include "flows/device_messages.h"
#include "flows/lookup_notices.h"
#include "operations/shared_texts.h"

namespace strikepad {

SlotOverviewCommand::SlotOverviewCommand(DeviceCommands& commands, DeviceLink& link, TransferRunner& runner,
                                         Prompts& window)
    : commands_(commands), link_(link), runner_(runner), window_(window) {}

void SlotOverviewCommand::run(CatalogueFile& file, Shown shown) {
  if (commands_.busy()) return window_.notice(device_messages::kBusy);
  commands_.SetBusy(1);
  // Filled by the transfer, wherever it runs, and read once it has ended.
  auto read = std::make_shared<SlotsRead>();
  runner_.start({[this, read](const LookupReport& lookups, const TransferProgress& progress) {
                   *read = readAllSlots(link_, lookups, progress);
                   return read->transfer;
                 },
                 lookupsShownIn(window_),
                 commands_.progressOnIndicator(),
                 [this, read, &file, shown = std::move(shown)](TransferOutcome outcome) {
                   if (outcome == TransferOutcome::Failed)
                     window_.notice(shared_texts::transferFailed(shared_texts::kReadFailed, read->reason));
                   commands_.SetBusy(0);
                   if (outcome != TransferOutcome::Done) return;
                   const SlotOverview overview = matchSlots(file, read->blocks);
                   if (overview.done()) return shown(overview);
                   if (!overview.reason.empty()) window_.warning(overview.reason);
                 }});
}

}  // namespace strikepad
