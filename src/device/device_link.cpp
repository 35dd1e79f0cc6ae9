#include "device/device_link.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "device/slot_protocol.h"

namespace strikepad {

namespace {

std::string notOpenedMessage(const std::string& reason) {
  return "Found the adapter but can not open it (" + reason +
         "). Your login needs access to it: install the udev rule 60-strikepad.rules, then replug "
         "the adapter.";
}

void tellProgress(const TransferProgress& progress, std::size_t done) {
  if (progress) progress(static_cast<int>(done), static_cast<int>(kChunkCount));
}

}  // namespace

void sleepFor(std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); }

DeviceLink::DeviceLink(HidTransport& transport, LinkTiming timing)
    : transport_(transport), timing_(std::move(timing)) {}

DeviceLink::~DeviceLink() { CloseDevice(); }

int DeviceLink::OpenDevice(Prompts& window) {
  switch (transport_.open(kAdapterVendorId, kAdapterProductId)) {
    case OpenResult::Opened:
      window.setTitle(kConnectedTitle);
      return 1;
    case OpenResult::NotFound:
      window.notice(kDeviceNotFound);
      window.setTitle(kDisconnectedTitle);
      return 0;
    case OpenResult::NotOpened:
      window.notice(notOpenedMessage(transport_.lastError()));
      window.setTitle(kDisconnectedTitle);
      return 0;
    case OpenResult::EnumerationFailed:
      window.notice(kHidUnavailable);
      return 0;
  }
  return 0;
}

void DeviceLink::CloseDevice() { transport_.close(); }

bool DeviceLink::sendFirstReport(Prompts& window, const Report& report) {
  if (transport_.write(report)) return true;
  return OpenDevice(window) == 1 && transport_.write(report);
}

int DeviceLink::ReadSlot(Prompts& window, int slot, ComboBlock& block, const TransferProgress& progress) {
  if (!isOpen() && OpenDevice(window) == 0) return kNoAdapter;
  dropWaitingReports();
  if (!sendFirstReport(window, readRequest(slot))) return kTransferFailed;
  return collectReplies(block, progress);
}

void DeviceLink::dropWaitingReports() {
  std::vector<std::uint8_t> stale;
  for (int dropped = 0; dropped < timing_.strayLimit; ++dropped)
    if (transport_.read(stale, std::chrono::milliseconds(0)) != ReadResult::Received) return;
}

int DeviceLink::collectReplies(ComboBlock& block, const TransferProgress& progress) {
  std::vector<std::uint8_t> incoming;
  std::size_t accepted = 0;
  int straysInARow = 0;
  while (accepted < kChunkCount) {
    if (transport_.read(incoming, timing_.replyTimeout) != ReadResult::Received) return kTransferFailed;
    if (!isSlotReply(incoming)) {
      if (++straysInARow >= timing_.strayLimit) return kTransferFailed;
      continue;
    }
    // A slot-data reply of another size cannot be placed in the block: the read has failed.
    if (incoming.size() != kReportSize) return kTransferFailed;
    const auto payload = replyPayload(std::span<const std::uint8_t, kReportSize>(incoming.data(), kReportSize));
    std::copy(payload.begin(), payload.end(), block.begin() + static_cast<std::ptrdiff_t>(accepted * kChunkSize));
    straysInARow = 0;
    tellProgress(progress, ++accepted);
  }
  return kTransferDone;
}

int DeviceLink::WriteSlot(Prompts& window, int slot, const ComboBlock& block, const TransferProgress& progress) {
  if (!isOpen() && OpenDevice(window) == 0) return kNoAdapter;
  for (std::size_t index = 0; index < kChunkCount; ++index) {
    const Report chunk = writeChunk(slot, index, block);
    const bool sent = index == 0 ? sendFirstReport(window, chunk) : transport_.write(chunk);
    // A chunk that did not go out leaves the slot half written: the download has failed.
    if (!sent) return kTransferFailed;
    tellProgress(progress, index + 1);
    timing_.pause(timing_.chunkPause);
  }
  return kTransferDone;
}

}  // namespace strikepad
