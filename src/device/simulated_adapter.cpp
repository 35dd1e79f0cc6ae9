#include "device/simulated_adapter.h"

#include <algorithm>

#include "device/slot_protocol.h"

namespace strikepad {

SimulatedAdapter::SimulatedAdapter(std::unique_ptr<AdapterSlots> keeper) : slots_(std::move(keeper)) {}

OpenResult SimulatedAdapter::open(std::uint16_t vendorId, std::uint16_t productId) {
  close();
  if (vendorId != kAdapterVendorId || productId != kAdapterProductId) return OpenResult::NotFound;
  SlotBlocks slots;
  if (!slots_->load(slots, lastError_)) return OpenResult::NotOpened;
  open_ = true;
  return OpenResult::Opened;
}

void SimulatedAdapter::close() {
  open_ = false;
  replies_.clear();
}

bool SimulatedAdapter::write(const Report& report) {
  if (!open_) {
    lastError_ = "the adapter is not open";
    return false;
  }
  const int slot = report[2];
  // Requests for slots it does not have are taken and left unanswered, as by the adapter.
  if (slot >= kSlotCount) return true;
  if (report[1] == kReadCommand) return answerReadRequest(slot);
  if (report[1] == kWriteCommand && report[3] < kChunkCount) return storeChunk(slot, report[3], report);
  return true;
}

bool SimulatedAdapter::answerReadRequest(int slot) {
  SlotBlocks slots;
  if (!slots_->load(slots, lastError_)) return false;
  const ComboBlock& block = slots[static_cast<std::size_t>(slot)];
  for (std::size_t index = 0; index < kChunkCount; ++index) {
    std::vector<std::uint8_t> reply(kReportSize, 0);
    reply[0] = kOutputReportId;
    reply[1] = kReadCommand;
    reply[2] = static_cast<std::uint8_t>(slot);
    reply[3] = static_cast<std::uint8_t>(index);
    std::copy_n(block.begin() + static_cast<std::ptrdiff_t>(index * kChunkSize), kChunkSize,
                reply.begin() + kPayloadOffset);
    replies_.push_back(std::move(reply));
  }
  return true;
}

bool SimulatedAdapter::storeChunk(int slot, std::size_t index, const Report& chunk) {
  SlotBlocks slots;
  if (!slots_->load(slots, lastError_)) return false;
  std::copy_n(chunk.begin() + kPayloadOffset, kChunkSize,
              slots[static_cast<std::size_t>(slot)].begin() + static_cast<std::ptrdiff_t>(index * kChunkSize));
  return slots_->save(slots, lastError_);
}

ReadResult SimulatedAdapter::read(std::vector<std::uint8_t>& report, std::chrono::milliseconds) {
  if (!open_) return ReadResult::Failed;
  if (replies_.empty()) return ReadResult::TimedOut;
  report = std::move(replies_.front());
  replies_.pop_front();
  return ReadResult::Received;
}

}  // namespace strikepad
