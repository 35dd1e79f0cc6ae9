#include "simulated_adapter.h"

#include <memory>

namespace strikepad::testing {

namespace {

constexpr std::uint8_t kStrayMarker = 0x33;  // any byte 1 but 0x5A

// The slots go to the adapter, which owns them; `kept` is how the test keeps reaching them.
std::unique_ptr<MemorySlots> newSlots(MemorySlots*& kept) {
  auto slots = std::make_unique<MemorySlots>();
  kept = slots.get();
  return slots;
}

}  // namespace

SimulatedAdapter::SimulatedAdapter() : adapter_(newSlots(slots_)) {}

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
  if (!attached_) return OpenResult::NotFound;
  if (accessDenied_) {
    lastError_ = "Permission denied";
    return OpenResult::NotOpened;
  }
  const OpenResult result = adapter_.open(vendorId, productId);
  if (result == OpenResult::Opened) handle_ = plugGeneration_;
  return result;
}

void SimulatedAdapter::close() {
  handle_ = 0;
  adapter_.close();
}

bool SimulatedAdapter::write(const Report& report) {
  const int attempt = writeAttempts_++;
  if (!handleIsLive() || refusedWrites_.contains(attempt)) {
    lastError_ = "write refused";
    return false;
  }
  accepted_.push_back(report);
  if (report[1] == kReadCommand && silent_) return true;
  if (!adapter_.write(report)) return false;
  if (report[1] == kReadCommand) takeReplies();
  return true;
}

void SimulatedAdapter::takeReplies() {
  for (std::vector<std::uint8_t>& report : beforeNextReplies_) input_.push_back(std::move(report));
  beforeNextReplies_.clear();
  std::vector<std::uint8_t> reply;
  while (adapter_.read(reply, std::chrono::milliseconds(0)) == ReadResult::Received) {
    for (int stray = 0; stray < straysPerReply_; ++stray) {
      std::vector<std::uint8_t> noise(kReportSize, 0xA5);
      noise[0] = kOutputReportId;
      noise[1] = kStrayMarker;
      input_.push_back(std::move(noise));
    }
    reply.resize(replySize_, 0xEE);
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
