// slot read and slot write: the adapter's memory slots, numbered 1 to 5 as on the window's
// "Memory Index" buttons.

#include <optional>
#include <ostream>
#include <string>

#include "adapter_session.h"
#include "cli.h"
#include "cli_texts.h"
#include "hex.h"
#include "operations/slot_operations.h"

namespace strikepad::cli {

int runSlot(Context& context) {
  const auto& args = context.args;
  const bool writing = args[1] == "write";
  const int slot = *slotFromText(args[2]);

  std::optional<ComboBlock> toWrite;
  if (writing) {
    // Standard input is read as far as script input is: a block is never larger.
    const std::optional<std::string> hex = args.size() == 4 ? args[3] : readInput(context, 3);
    if (!hex) return kRefused;
    HexBlock parsed = blockFromHex(*hex);
    if (!parsed.block) {
      context.err << texts::badBlock(parsed.problem) << "\n";
      return kBadUsage;
    }
    toWrite = parsed.block;
  }

  AdapterLink adapter;
  if (!adapter.choose(context.err)) return kRefused;
  const SlotResult result = toWrite ? writeSlot(adapter.link(), slot, *toWrite, lookupsOnStderr(context))
                                    : readSlot(adapter.link(), slot, lookupsOnStderr(context));
  if (result.transfer == TransferOutcome::Failed)
    context.err << shared_texts::transferFailed(toWrite ? shared_texts::kDownloadFailed : shared_texts::kReadFailed,
                                                result.reason)
                << "\n";
  if (!result.done()) return kRefused;
  if (!toWrite) context.out << hexFromBytes(result.block) << "\n";
  return kDone;
}

}  // namespace strikepad::cli
