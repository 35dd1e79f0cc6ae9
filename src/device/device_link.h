#pragma once
// The link to the adapter: finds and opens it, keeps it open for the life of the window, and
// moves one combo block to or from one of its memory slots.

#include <chrono>
#include <functional>

#include "catalogue/prompts.h"
#include "combo/combo_block.h"
#include "device/hid_transport.h"

namespace strikepad {

inline constexpr const char* kConnectedTitle = "Norvik Strikepad 2.0 Velocade [Connected]";
inline constexpr const char* kDisconnectedTitle = "Norvik Strikepad 2.0 Velocade [Disconnected]";
inline constexpr const char* kDeviceNotFound = "Can not find device.";
inline constexpr const char* kHidUnavailable = "Can not Open HID Device!";

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

// Results of ReadSlot and WriteSlot.
inline constexpr int kTransferDone = 0;
inline constexpr int kNoAdapter = -1;      // nothing sent; the lookup has told the user
inline constexpr int kTransferFailed = -2;

class DeviceLink {
 public:
  DeviceLink(HidTransport& transport, LinkTiming timing);
  ~DeviceLink();
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  // Looks the adapter up anew (closing what is held) and shows the outcome in the window's
  // title, or in a notice when none could be opened. 1 = opened, 0 = not.
  int OpenDevice(Prompts& window);
  void CloseDevice();
  bool isOpen() const { return transport_.isOpen(); }

  // `slot` is 0..4. 0, kNoAdapter or kTransferFailed; after a failure `block` may be partly filled.
  int ReadSlot(Prompts& window, int slot, ComboBlock& block, const TransferProgress& progress = {});
  int WriteSlot(Prompts& window, int slot, const ComboBlock& block, const TransferProgress& progress = {});

 private:
  // The first report of a transfer gets a second chance after a fresh lookup, so a transfer on
  // a handle left from an unplugged and replugged adapter completes on the new handle.
  bool sendFirstReport(Prompts& window, const Report& report);
  // Replies of an earlier read that gave up on them (an adapter that fell behind) may still be
  // waiting; taken for this read's, they would put the end of another slot into this block.
  // Bounded, so an adapter that never stops sending cannot hold the read here.
  void dropWaitingReports();
  int collectReplies(ComboBlock& block, const TransferProgress& progress);

  HidTransport& transport_;
  LinkTiming timing_;
};

}  // namespace strikepad
