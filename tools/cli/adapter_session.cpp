#include "adapter_session.h"

#include "cli_texts.h"
#include "device/adapter_choice.h"
#include "device/slot_protocol.h"

namespace strikepad::cli {

std::optional<int> slotFromText(std::string_view text) {
  if (text.size() != 1 || text[0] < '1' || text[0] > '0' + kSlotCount) return std::nullopt;
  return text[0] - '1';
}

bool AdapterLink::choose(std::ostream& err) {
  AdapterChoice choice = adapterFromEnvironment();
  if (!choice.transport) {
    err << choice.problem << "\n";
    return false;
  }
  transport_ = std::move(choice.transport);
  link_.emplace(*transport_, std::move(choice.timing));
  return true;
}

LookupReport lookupsOnStderr(Context& context) {
  return [&err = context.err](const Lookup& lookup) {
    switch (lookup.outcome) {
      case LookupOutcome::Connected: return;
      case LookupOutcome::NotFound: err << shared_texts::kDeviceNotFound << "\n"; return;
      case LookupOutcome::NotOpened: err << shared_texts::adapterNotOpened(lookup.systemText) << "\n"; return;
      case LookupOutcome::HidUnavailable: err << shared_texts::kHidUnavailable << "\n"; return;
    }
  };
}

void TerminalProgress::end() {
  if (done_ > 0) err_ << "\n";
  done_ = 0;
}

TransferProgress TerminalProgress::report() {
  return [this](int done, int total) {
    if (!shown_ || total <= 0 || done == done_) return;
    done_ = done;
    err_ << "\r" << texts::chunkProgress(done, total) << std::flush;
  };
}

}  // namespace strikepad::cli
