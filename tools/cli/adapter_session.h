#pragma once
// The adapter from a shell: the one STRIKEPAD_ADAPTER names and its link, what its lookups
// find, and a transfer's progress on stderr.

#include <memory>
#include <optional>
#include <ostream>
#include <string_view>

#include "cli.h"
#include "device/device_link.h"
#include "device/hid_transport.h"

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

// Each lookup a transfer makes that finds no usable adapter, told on stderr.
LookupReport lookupsOnStderr(Context& context);

// A transfer's progress, "chunk 3 of 8" on one line of stderr that returns to its start; only
// when stderr is a terminal: in a script it would be noise. The line ends with the transfer.
class TerminalProgress {
 public:
  explicit TerminalProgress(Context& context) : err_(context.terminal), shown_(context.errIsTerminal) {}
  ~TerminalProgress() { end(); }
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  TransferProgress report();
  // Ends the progress line, once the transfer has ended and before anything else is told.
  void end();

 private:
  std::ostream& err_;
  bool shown_;
  int done_ = 0;  // the last chunk count shown on the current line
};

}  // namespace strikepad::cli
