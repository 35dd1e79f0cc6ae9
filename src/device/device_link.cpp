#include "device/device_link.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "device/slot_protocol.h"

namespace strikepad {

namespace {

void tellProgress(const TransferProgress& progress, std::size_t done) {
  if (progress) progress(static_cast<int>(done), static_cast<int>(kChunkCount));
}

}  // namespace

void sleepFor(std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); }

DeviceLink::DeviceLink(HidTransport& transport, LinkTiming timing)
    : transport_(transport), timing_(std::move(timing)) {}

DeviceLink::~DeviceLink() { CloseDevice(); }

Lookup DeviceLink::OpenDevice() {
  switch (transport_.open(kAdapterVendorId, kAdapterProductId)) {
    case OpenResult::Opened: return {LookupOutcome::Connected, {}};
    case OpenResult::NotFound: return {LookupOutcome::NotFound, {}};
    case OpenResult::NotOpened: return {LookupOutcome::NotOpened, transport_.lastError()};
    case OpenResult::EnumerationFailed: return {LookupOutcome::HidUnavailable, {}};
  }
  return {LookupOutcome::HidUnavailable, {}};
}

bool DeviceLink::reopen(const LookupReport& lookups) {
  const Lookup lookup = OpenDevice();
  if (lookups) lookups(lookup);
  return lookup.connected();
}

void DeviceLink::CloseDevice() { transport_.close(); }

bool DeviceLink::sendFirstReport(const LookupReport& lookups, const Report& report) {
  if (transport_.write(report)) return true;
  return reopen(lookups) && transport_.write(report);
}

TransferOutcome DeviceLink::failed(std::string reason) {
  lastFailure_ = std::move(reason);
  return TransferOutcome::Failed;
}

TransferOutcome DeviceLink::ReadSlot(const LookupReport& lookups, int slot, ComboBlock& block,
                                     const TransferProgress& progress) {
  lastFailure_.clear();
  if (!isOpen() && !reopen(lookups)) return TransferOutcome::NoAdapter;
  dropWaitingReports();
  if (!sendFirstReport(lookups, readRequest(slot))) return failed(transport_.lastError());
  return collectReplies(block, progress);
}

void DeviceLink::dropWaitingReports() {
  std::vector<std::uint8_t> stale;
  for (int dropped = 0; dropped < timing_.strayLimit; ++dropped)
    if (transport_.read(stale, std::chrono::milliseconds(0)) != ReadResult::Received) return;
}

TransferOutcome DeviceLink::collectReplies(ComboBlock& block, const TransferProgress& progress) {
  std::vector<std::uint8_t> incoming;
  std::size_t accepted = 0;
  int straysInARow = 0;
  while (accepted < kChunkCount) {
    switch (transport_.read(incoming, timing_.replyTimeout)) {
      case ReadResult::Received: break;
      case ReadResult::TimedOut:
        return failed("no reply from the adapter within " + std::to_string(timing_.replyTimeout.count()) + " ms");
      case ReadResult::Failed: return failed(transport_.lastError());
    }
    if (!isSlotReply(incoming)) {
      if (++straysInARow >= timing_.strayLimit)
        return failed(std::to_string(straysInARow) + " reports in a row that were not slot data");
      continue;
    }
    // A slot-data reply of another size cannot be placed in the block: the read has failed.
    if (incoming.size() != kReportSize)
      return failed("a slot reply of " + std::to_string(incoming.size()) + " bytes instead of " +
                    std::to_string(kReportSize));
    const auto payload = replyPayload(std::span<const std::uint8_t, kReportSize>(incoming.data(), kReportSize));
    std::copy(payload.begin(), payload.end(), block.begin() + static_cast<std::ptrdiff_t>(accepted * kChunkSize));
    straysInARow = 0;
    tellProgress(progress, ++accepted);
  }
  return TransferOutcome::Done;
}

TransferOutcome DeviceLink::WriteSlot(const LookupReport& lookups, int slot, const ComboBlock& block,
                                      const TransferProgress& progress) {
  lastFailure_.clear();
  if (!isOpen() && !reopen(lookups)) return TransferOutcome::NoAdapter;
  for (std::size_t index = 0; index < kChunkCount; ++index) {
    const Report chunk = writeChunk(slot, index, block);
    const bool sent = index == 0 ? sendFirstReport(lookups, chunk) : transport_.write(chunk);
    // A chunk that did not go out leaves the slot half written: the download has failed.
    if (!sent) return failed(transport_.lastError());
    tellProgress(progress, index + 1);
    timing_.pause(timing_.chunkPause);
  }
  return TransferOutcome::Done;
}

}  // namespace strikepad
