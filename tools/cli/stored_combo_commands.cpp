// show, download, capture and reload: one stored combo on the terminal, or moved between the
// catalogue and a memory slot as the window's DownLoad, Reload and the combo list's Add move
// it. The command line is the user's answer to the window's questions.

#include <optional>
#include <ostream>
#include <string>

#include "adapter_session.h"
#include "catalogue_access.h"
#include "cli.h"
#include "cli_texts.h"
#include "combo/script_printer.h"
#include "hex.h"
#include "operations/catalogue_operations.h"
#include "operations/lookup.h"
#include "operations/slot_operations.h"
#include "output.h"

namespace strikepad::cli {
namespace {

// The exit status of a transfer; a failed one says so (`failedMessage`, then the transport's
// reason when it gave one). No adapter has been told by the lookup already.
int transferStatus(Context& context, const SlotResult& result, const char* failedMessage) {
  if (result.transfer == TransferOutcome::Failed)
    context.err << shared_texts::transferFailed(failedMessage, result.reason) << "\n";
  return result.transfer == TransferOutcome::Done ? kDone : kRefused;
}

// Reads `slot` of the adapter STRIKEPAD_ADAPTER names, showing its progress; none after telling
// why (`failedMessage` for a failed transfer). Capture and reload use it, and store what it reads.
std::optional<ComboBlock> readAdapterSlot(Context& context, int slot, const char* failedMessage) {
  AdapterLink adapter;
  if (!adapter.choose(context.err)) return std::nullopt;
  TerminalProgress progress(context);
  const SlotResult read = readSlot(adapter.link(), slot, lookupsOnStderr(context), progress.report());
  progress.end();
  if (transferStatus(context, read, failedMessage) != kDone) return std::nullopt;
  // The command line asked to store what the slot holds: an empty one is stored, and said so.
  if (isEmptyCombo(read.block)) context.err << shared_texts::emptySlotQuestion(slot + 1) << " [answered Yes]\n";
  return read.block;
}

// The catalogue opened for a look-up before a transfer: a name that is not there is told before
// the adapter is touched. The change after the transfer looks it up again inside its own scope,
// so no lock is held while the adapter works.
bool namesExist(Context& context, const std::string& game, const std::string& character,
                const std::optional<std::string>& combo) {
  CatalogueFile file(context.catalogue);
  if (!openCatalogue(context, file)) return false;
  const LookupResult found = combo ? findCombo(file, game, character, *combo) : findCharacter(file, game, character);
  return tell(context, found) == kDone;
}

}  // namespace

int runShow(Context& context) {
  const auto& args = context.args;
  CatalogueFile file(context.catalogue);
  if (!openCatalogue(context, file)) return kRefused;
  const LookupResult combo = findCombo(file, args[1], args[2], args[3]);
  if (!combo.done()) return tell(context, combo);
  const BlockResult stored = readComboData(file, combo.path.combo);
  if (!stored.done()) return tell(context, stored, texts::noSuch("combo", args[3]));
  if (stored.bytes.empty()) {
    context.err << texts::comboHoldsNoData(args[3]) << "\n";
    return kRefused;
  }
  const ComboBlock block = blockFromBytes(stored.bytes.data(), stored.bytes.size());
  // As script print and script parse write them.
  context.out << (context.hex ? hexFromBytes(block) + "\n" : printScript(block));
  return kDone;
}

int runDownload(Context& context) {
  const auto& args = context.args;
  const int slot = *slotFromText(args[4]);
  CatalogueFile file(context.catalogue);
  if (!openCatalogue(context, file)) return kRefused;
  const LookupResult combo = findCombo(file, args[1], args[2], args[3]);
  if (!combo.done()) return tell(context, combo);
  AdapterLink adapter;
  if (!adapter.choose(context.err)) return kRefused;
  TerminalProgress progress(context);
  const SlotResult written =
      downloadCombo(file, adapter.link(), combo.path.combo, slot, lookupsOnStderr(context), progress.report());
  progress.end();
  if (written.transfer != TransferOutcome::Done) return transferStatus(context, written, shared_texts::kDownloadFailed);
  // Nothing was sent: the combo is gone, holds no data, or could not be read.
  if (written.outcome == Outcome::Refused) {
    context.err << texts::comboHoldsNoData(args[3]) << "\n";
    return kRefused;
  }
  return tell(context, written, texts::noSuch("combo", args[3]));
}

int runCapture(Context& context) {
  const auto& args = context.args;
  if (!namesExist(context, args[2], args[3], std::nullopt)) return kRefused;
  const std::optional<ComboBlock> block = readAdapterSlot(context, *slotFromText(args[1]), shared_texts::kReadFailed);
  if (!block) return kRefused;
  return changeInWriteScope(context, [&](CatalogueFile& file) {
    const LookupResult character = findCharacter(file, args[2], args[3]);
    if (!character.done()) return tell(context, character);
    return tell(context, addCombo(file, character.path.character, args[4], *block), {}, shared_texts::kCharacterGone);
  });
}

int runReload(Context& context) {
  const auto& args = context.args;
  if (!namesExist(context, args[2], args[3], args[4])) return kRefused;
  const std::optional<ComboBlock> block = readAdapterSlot(context, *slotFromText(args[1]), shared_texts::kReloadFailed);
  if (!block) return kRefused;
  return changeInWriteScope(context, [&](CatalogueFile& file) {
    const LookupResult combo = findCombo(file, args[2], args[3], args[4]);
    if (!combo.done()) return tell(context, combo);
    return tell(context, replaceComboData(file, combo.path.combo, *block), texts::noSuch("combo", args[4]));
  });
}

}  // namespace strikepad::cli
