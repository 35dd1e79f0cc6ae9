#pragma once
// An adapter without the hardware: it is found and opened like the real one and answers the
// slot protocol as the real one does, a 0x5A read request with eight slot-data replies, each
// 0x6A write chunk stored into its slot. Its slots are kept by an AdapterSlots.

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "device/adapter_slots.h"
#include "device/hid_transport.h"

namespace strikepad {

class SimulatedAdapter final : public HidTransport {
 public:
  explicit SimulatedAdapter(std::unique_ptr<AdapterSlots> keeper);

  // Found for the adapter's identifiers only; opened when its slots can be had.
  OpenResult open(std::uint16_t vendorId, std::uint16_t productId) override;
  bool isOpen() const override { return open_; }
  void close() override;
  bool write(const Report& report) override;
  // The replies are all there as soon as the request is taken, so no read waits.
  ReadResult read(std::vector<std::uint8_t>& report, std::chrono::milliseconds timeout) override;
  std::string lastError() const override { return lastError_; }

 private:
  bool answerReadRequest(int slot);
  bool storeChunk(int slot, std::size_t index, const Report& chunk);

  std::unique_ptr<AdapterSlots> slots_;
  std::deque<std::vector<std::uint8_t>> replies_;
  bool open_ = false;
  std::string lastError_;
};

}  // namespace strikepad
