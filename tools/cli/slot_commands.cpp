// slot read and slot write: the adapter's memory slots, numbered 1 to 5 as on the window's
// "Memory Index" buttons.

#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli.h"
#include "device/device_link.h"
#include "device/device_messages.h"
#include "device/hidapi_transport.h"
#include "device/slot_protocol.h"
#include "hex.h"
#include "stderr_prompts.h"

namespace strikepad::cli {
namespace {

constexpr std::string_view kSlotUsage = "usage: strikepad-cli slot read SLOT | slot write SLOT [HEX]   (SLOT 1 to 5)\n";

// "1".."5" to slot 0..4.
std::optional<int> slotFromText(std::string_view text) {
  if (text.size() != 1 || text[0] < '1' || text[0] > '0' + kSlotCount) return std::nullopt;
  return text[0] - '1';
}

int badUsage(Context& context) {
  context.err << kSlotUsage;
  return kBadUsage;
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
    const std::string hex = args.size() == 4 ? args[3]
                                             : std::string(std::istreambuf_iterator<char>(context.in), {});
    HexBlock parsed = blockFromHex(hex);
    if (!parsed.block) {
      context.err << "bad block: " << parsed.problem << "\n";
      return kBadUsage;
    }
    toWrite = parsed.block;
  }

  // The link's messages go to stderr; it asks nothing.
  StderrPrompts notices(context.err);
  HidapiTransport transport;
  DeviceLink link(transport, LinkTiming{});
  if (toWrite) {
    const int result = link.WriteSlot(notices, *slot, *toWrite);
    if (result == kTransferFailed) notices.notice(device_messages::kDownloadFailed);
    return result == kTransferDone ? kDone : kRefused;
  }
  ComboBlock block = emptyComboBlock();
  const int result = link.ReadSlot(notices, *slot, block);
  if (result == kTransferFailed) notices.notice(device_messages::kReadFailed);
  if (result != kTransferDone) return kRefused;
  context.out << hexFromBytes(block) << "\n";
  return kDone;
}

}  // namespace strikepad::cli
