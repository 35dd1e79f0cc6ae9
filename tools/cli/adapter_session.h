#pragma once
// The adapter from a shell: the one STRIKEPAD_ADAPTER names, its link, and the part of the
// window the device commands draw on, which here is the slot the command line gives and the
// transfer's progress on stderr.

#include <memory>
#include <optional>
#include <ostream>
#include <string_view>

#include "cli.h"
#include "device/device_link.h"
#include "device/hid_transport.h"
#include "device_commands/device_panel.h"

namespace strikepad::cli {

// "1".."5" to slot 0..4.
std::optional<int> slotFromText(std::string_view text);

class AdapterLink {
 public:
  // Takes the adapter STRIKEPAD_ADAPTER names; false, after telling why, when the setting is malformed.
  bool choose(std::ostream& err);
  DeviceLink& link() { return *link_; }

 private:
  std::unique_ptr<HidTransport> transport_;
  std::optional<DeviceLink> link_;  // goes before the transport it holds open
};

class TerminalPanel final : public DevicePanel {
 public:
  // Progress goes to stderr only when it is a terminal: in a script it would be noise.
  TerminalPanel(Context& context, int slot) : err_(context.terminal), showProgress_(context.errIsTerminal), slot_(slot) {}

  bool isSlotButtonChecked(int slot) const override { return slot == slot_; }
  void drawBusyIndicator(bool busy, TransferState transfer) override;
  void invalidateClientArea() override {}

 private:
  std::ostream& err_;
  bool showProgress_;
  int slot_;
  int shown_ = 0;  // the last chunk count shown on the current line
};

}  // namespace strikepad::cli
