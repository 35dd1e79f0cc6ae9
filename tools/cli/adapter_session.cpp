#include "adapter_session.h"

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

void TerminalPanel::drawBusyIndicator(bool busy, TransferState transfer) {
  if (!showProgress_) return;
  if (busy && transfer.total > 0 && transfer.done != shown_) {
    shown_ = transfer.done;
    err_ << "\rchunk " << transfer.done << " of " << transfer.total << std::flush;
  } else if (!busy && shown_ > 0) {
    shown_ = 0;
    err_ << "\n";
  }
}

}  // namespace strikepad::cli
