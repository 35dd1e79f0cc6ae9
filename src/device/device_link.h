#pragma once
// The link to the adapter: finds and opens it, keeps it open for the life of the window, and
// moves one combo block to or from one of its memory slots.

#include <chrono>
#include <functional>
#include <string>

#include "combo/combo_block.h"
#include "device/hid_transport.h"

namespace strikepad {

// What a lookup of the adapter found. The link only tells it; whoever presents it to the user
// turns it into the window's title and notices.
enum class LookupOutcome {
  Connected,
  NotFound,        // no adapter attached
  NotOpened,       // attached, but the system refused to open it
  HidUnavailable,  // the HID layer itself could not be used
};

struct Lookup {
  LookupOutcome outcome = LookupOutcome::NotFound;
  std::string systemText;  // NotOpened: the system's reason
  bool connected() const { return outcome == LookupOutcome::Connected; }
};

// Called with each lookup a transfer makes, as it makes it.
using LookupReport = std::function<void(const Lookup&)>;

// Called with how much of a transfer is done: chunks written or replies received, of 8.
using TransferProgress = std::function<void(int done, int total)>;
// Waits the pause that follows each written chunk. The window keeps painting meanwhile.
using Pause = std::function<void(std::chrono::milliseconds)>;

// The plain pause of the command-line tool: the thread sleeps.
void sleepFor(std::chrono::milliseconds duration);

struct LinkTiming {
  Pause pause = sleepFor;
  std::chrono::milliseconds chunkPause{500};
  // A read fails when no report comes within this time, or after this many stray reports in a row.
  std::chrono::milliseconds replyTimeout{2000};
  int strayLimit = 64;
};

enum class TransferOutcome {
  Done,
  NoAdapter,  // nothing sent; the lookup that found none has been reported
  Failed,
};

class DeviceLink {
 public:
  DeviceLink(HidTransport& transport, LinkTiming timing);
  ~DeviceLink();
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  // Looks the adapter up anew, closing what is held.
  Lookup OpenDevice();
  void CloseDevice();
  bool isOpen() const { return transport_.isOpen(); }

  // `slot` is 0..4. Each lookup made on the way goes to `lookups`. After a failure `block` may
  // be partly filled.
  TransferOutcome ReadSlot(const LookupReport& lookups, int slot, ComboBlock& block,
                           const TransferProgress& progress = {});
  TransferOutcome WriteSlot(const LookupReport& lookups, int slot, const ComboBlock& block,
                            const TransferProgress& progress = {});
  // Why the last transfer that Failed did: the transport's reason, or what the link saw.
  // Empty when the transport gave none.
  const std::string& lastFailure() const { return lastFailure_; }

 private:
  // The first report of a transfer gets a second chance after a fresh lookup, so a transfer on
  // a handle left from an unplugged and replugged adapter completes on the new handle.
  bool sendFirstReport(const LookupReport& lookups, const Report& report);
  // Looks the adapter up, tells `lookups`, and whether it is open now.
  bool reopen(const LookupReport& lookups);
  // Replies of an earlier read that gave up on them (an adapter that fell behind) may still be
  // waiting; taken for this read's, they would put the end of another slot into this block.
  // Bounded, so an adapter that never stops sending cannot hold the read here.
  void dropWaitingReports();
  TransferOutcome collectReplies(ComboBlock& block, const TransferProgress& progress);
  TransferOutcome failed(std::string reason);

  HidTransport& transport_;
  LinkTiming timing_;
  std::string lastFailure_;
};

}  // namespace strikepad
