// show, download, capture and reload: one stored combo on the terminal, or moved between the
// catalogue and a memory slot as the window's DownLoad, Reload and the combo list's Add move it,
// with the window's messages on stderr. The command line is the user's answer to the window's
// questions; the combo is named by its game, character and name.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "adapter_session.h"
#include "cli.h"
#include "combo/script_printer.h"
#include "device_commands/device_commands.h"
#include "hex.h"
#include "names.h"
#include "selecting_session.h"

namespace strikepad::cli {
namespace {

constexpr std::string_view kComboUsage =
    "usage: strikepad-cli show GAME CHARACTER COMBO [--hex] | download GAME CHARACTER COMBO SLOT\n"
    "       capture SLOT GAME CHARACTER NAME | reload SLOT GAME CHARACTER COMBO   (SLOT 1 to 5)\n";

// Capture and reload store what an empty slot holds, as asked, and say so on stderr.
const StandingAnswer kStoreAnEmptySlot{true, " [answered Yes]"};

int badUsage(Context& context) {
  context.err << kComboUsage;
  return kBadUsage;
}

// The words `first` to `last` are names: none may be empty or hold a control character.
bool namesAreTaken(Context& context, std::size_t first, std::size_t last) {
  for (std::size_t i = first; i <= last; ++i) {
    if (const auto refusal = nameRefusal(context.args[i])) {
      context.err << *refusal << "\n";
      return false;
    }
  }
  return true;
}

// The slot of a device command of five words, whose slot number is word `slotAt` and whose
// names are the three words from `firstName` on; none, after telling what is wrong, when the
// command line is.
std::optional<int> slotOfDeviceCommand(Context& context, std::size_t slotAt, std::size_t firstName) {
  const auto& args = context.args;
  const std::optional<int> slot = args.size() == 5 ? slotFromText(args[slotAt]) : std::nullopt;
  if (!slot) {
    badUsage(context);
    return std::nullopt;
  }
  if (!namesAreTaken(context, firstName, firstName + 2)) return std::nullopt;
  return slot;
}

// The stored block of a combo; none, after telling why, when it has no data.
std::optional<ComboBlock> storedBlock(Context& context, Catalogue& catalogue, RecordId comboId,
                                      const std::string& name) {
  const auto stored = catalogue.readComboData(comboId);
  if (!stored) return std::nullopt;  // the store has reported why
  if (stored->empty()) {
    context.err << "combo " << name << " holds no data\n";
    return std::nullopt;
  }
  return blockFromBytes(stored->data(), stored->size());
}

// Runs the device command `start` starts on the adapter the environment names, and gives its
// exit status; what it stored sticks when it did what it says.
template <typename Start>
int runDeviceCommand(Context& context, SelectingSession& session, int slot, Start start) {
  AdapterLink adapter;
  if (!adapter.choose(context.err)) return kRefused;
  TerminalPanel panel(context, slot);
  DeviceCommands commands(adapter.link(), session.catalogue(), panel);
  std::optional<CommandEnd> end;
  if (!start(commands, [&end](CommandEnd ended) { end = ended; })) return kRefused;
  if (end != CommandEnd::Done || !session.commit()) return kRefused;
  return kDone;
}

}  // namespace

int runShow(Context& context) {
  const auto& args = context.args;
  if (args.size() != 4) return badUsage(context);
  if (!namesAreTaken(context, 1, 3)) return kBadUsage;
  SelectingSession session(context);
  if (!session.open(false)) return kRefused;
  const std::optional<RecordId> combo = session.selectCombo(args[1], args[2], args[3]);
  if (!combo) return kRefused;
  const std::optional<ComboBlock> block = storedBlock(context, session.catalogue(), *combo, args[3]);
  if (!block) return kRefused;
  // As script print and script parse write them.
  context.out << (context.hex ? hexFromBytes(*block) + "\n" : printScript(*block));
  return kDone;
}

int runDownload(Context& context) {
  const auto& args = context.args;
  const std::optional<int> slot = slotOfDeviceCommand(context, 4, 1);
  if (!slot) return kBadUsage;
  SelectingSession session(context);
  if (!session.open(false)) return kRefused;
  const std::optional<RecordId> combo = session.selectCombo(args[1], args[2], args[3]);
  if (!combo || !storedBlock(context, session.catalogue(), *combo, args[3])) return kRefused;
  return runDeviceCommand(context, session, *slot, [&](DeviceCommands& commands, CommandEnded ended) {
    commands.SetBusy(1);
    return commands.DownloadCombo(*combo, *slot, std::move(ended)) == 1;
  });
}

int runCapture(Context& context) {
  const auto& args = context.args;
  const std::optional<int> slot = slotOfDeviceCommand(context, 1, 2);
  if (!slot) return kBadUsage;
  SelectingSession session(context, kStoreAnEmptySlot);
  if (!session.open(true)) return kRefused;
  const std::optional<RecordId> character = session.selectCharacter(args[2], args[3]);
  if (!character) return kRefused;
  const std::string name = args[4];
  return runDeviceCommand(context, session, *slot, [&](DeviceCommands& commands, CommandEnded ended) {
    commands.CaptureCombo(*character, *slot, [name] { return name; }, std::move(ended));
    return true;
  });
}

int runReload(Context& context) {
  const auto& args = context.args;
  const std::optional<int> slot = slotOfDeviceCommand(context, 1, 2);
  if (!slot) return kBadUsage;
  SelectingSession session(context, kStoreAnEmptySlot);
  if (!session.open(true)) return kRefused;
  const std::optional<RecordId> combo = session.selectCombo(args[2], args[3], args[4]);
  if (!combo) return kRefused;
  return runDeviceCommand(context, session, *slot, [&](DeviceCommands& commands, CommandEnded ended) {
    commands.ReloadCombo(*combo, *slot, std::move(ended));
    return true;
  });
}

}  // namespace strikepad::cli
