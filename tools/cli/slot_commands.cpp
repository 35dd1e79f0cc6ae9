// slot read and slot write: the adapter's memory slots, numbered 1 to 5 as on the window's
// "Memory Index" buttons.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "adapter_session.h"
#include "cli.h"
#include "device/device_link.h"
#include "device_commands/device_messages.h"
#include "device_commands/lookup_notices.h"
#include "device/slot_protocol.h"
#include "hex.h"
#include "stderr_prompts.h"

namespace strikepad::cli {
namespace {

constexpr std::string_view kSlotUsage = "usage: strikepad-cli slot read SLOT | slot write SLOT [HEX]   (SLOT 1 to 5)\n";

int badUsage(Context& context) {
  context.err << kSlotUsage;
  return kBadUsage;
}

// 0 when the transfer was done (a read prints the block), 1 when there was no adapter or the
// transfer failed (`failure` shown).
int exitStatus(Context& context, TransferOutcome outcome, const std::string& failure,
               const std::optional<ComboBlock>& readBlock) {
  switch (outcome) {
    case TransferOutcome::Done:
      if (readBlock) context.out << hexFromBytes(*readBlock) << "\n";
      return kDone;
    case TransferOutcome::Failed:
      context.err << failure << "\n";
      return kRefused;
    case TransferOutcome::NoAdapter:
      return kRefused;
  }
  return kRefused;
}

}  // namespace

int runSlot(Context& context) {
  const auto& args = context.args;
  const bool reading = args.size() == 3 && args[1] == "read";
  const bool writing = (args.size() == 3 || args.size() == 4) && args[1] == "write";
  if (!reading && !writing) return badUsage(context);
  const std::optional<int> slot = slotFromText(args[2]);
  if (!slot) return badUsage(context);

  std::optional<ComboBlock> toWrite;
  if (writing) {
    // Standard input is read as far as script input is: a block is never larger.
    const std::optional<std::string> hex = args.size() == 4 ? args[3] : readInput(context, 3);
    if (!hex) return kRefused;
    HexBlock parsed = blockFromHex(*hex);
    if (!parsed.block) {
      context.err << "bad block: " << parsed.problem << "\n";
      return kBadUsage;
    }
    toWrite = parsed.block;
  }

  // The link's lookups and the failure go to stderr; nothing is asked.
  StderrPrompts notices(context.err);
  AdapterLink adapter;
  if (!adapter.choose(context.err)) return kRefused;
  DeviceLink& link = adapter.link();
  ComboBlock block = toWrite ? *toWrite : emptyComboBlock();
  const TransferOutcome outcome = toWrite ? link.WriteSlot(lookupsShownIn(notices), *slot, block)
                                          : link.ReadSlot(lookupsShownIn(notices), *slot, block);
  const char* failedMessage = toWrite ? device_messages::kDownloadFailed : device_messages::kReadFailed;
  return exitStatus(context, outcome, device_messages::transferFailed(failedMessage, link.lastFailure()),
                    toWrite ? std::nullopt : std::optional<ComboBlock>(block));
}

}  // namespace strikepad::cli
