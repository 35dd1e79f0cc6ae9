#include "simulated_adapter.h"

#include <algorithm>

namespace strikepad::testing {

namespace {

constexpr std::uint8_t kStrayMarker = 0x33;  // any byte 1 but 0x5A

}  // namespace

SimulatedAdapter::SimulatedAdapter() : slots_(kSlotCount, emptyComboBlock()) {}

void SimulatedAdapter::unplug() {
  attached_ = false;
  ++plugGeneration_;
  input_.clear();
}

OpenResult SimulatedAdapter::open(std::uint16_t vendorId, std::uint16_t productId) {
  close();
  ++lookups_;
  askedVendorId_ = vendorId;
  askedProductId_ = productId;
  if (hidLayerBroken_) return OpenResult::EnumerationFailed;
  if (!attached_ || vendorId != kAdapterVendorId || productId != kAdapterProductId) return OpenResult::NotFound;
  if (accessDenied_) {
    lastError_ = "Permission denied";
    return OpenResult::NotOpened;
  }
  handle_ = plugGeneration_;
  return OpenResult::Opened;
}

bool SimulatedAdapter::write(const Report& report) {
  const int attempt = writeAttempts_++;
  if (!handleIsLive() || refusedWrites_.contains(attempt)) {
    lastError_ = "write refused";
    return false;
  }
  accepted_.push_back(report);
  if (report[1] == kReadCommand) answerReadRequest(report);
  const std::size_t slot = report[2];
  const std::size_t index = report[3];
  if (report[1] == kWriteCommand && slot < slots_.size() && index < kChunkCount)
    std::copy_n(report.begin() + kPayloadOffset, kChunkSize,
                slots_[slot].begin() + static_cast<std::ptrdiff_t>(index * kChunkSize));
  return true;
}

void SimulatedAdapter::answerReadRequest(const Report& request) {
  const std::size_t slot = request[2];
  if (silent_ || slot >= slots_.size()) return;
  for (std::vector<std::uint8_t>& report : beforeNextReplies_) input_.push_back(std::move(report));
  beforeNextReplies_.clear();
  for (std::size_t index = 0; index < kChunkCount; ++index) {
    for (int stray = 0; stray < straysPerReply_; ++stray) {
      std::vector<std::uint8_t> noise(kReportSize, 0xA5);
      noise[0] = kOutputReportId;
      noise[1] = kStrayMarker;
      input_.push_back(std::move(noise));
    }
    std::vector<std::uint8_t> reply(std::max(replySize_, kReportSize), 0xEE);
    reply[0] = kOutputReportId;
    reply[1] = kReadCommand;
    reply[2] = static_cast<std::uint8_t>(slot);
    reply[3] = static_cast<std::uint8_t>(index);
    std::copy_n(slots_[slot].begin() + static_cast<std::ptrdiff_t>(index * kChunkSize), kChunkSize,
                reply.begin() + kPayloadOffset);
    reply.resize(replySize_);
    input_.push_back(std::move(reply));
  }
}

ReadResult SimulatedAdapter::read(std::vector<std::uint8_t>& report, std::chrono::milliseconds timeout) {
  lastReadTimeout_ = timeout;
  if (!handleIsLive()) return ReadResult::Failed;
  // Simulated time: the wait for a report that never comes ends at once.
  if (input_.empty()) return ReadResult::TimedOut;
  report = std::move(input_.front());
  input_.pop_front();
  return ReadResult::Received;
}

}  // namespace strikepad::testing
