#pragma once
// The program's simulated adapter (device/simulated_adapter.h) with its slots in memory, and
// the faults tests arrange around it: refuse writes, be unplugged and plugged in again, send
// stray or malformed reports, stay silent, or refuse to be opened.

#include <chrono>
#include <cstdint>
#include <deque>
#include <set>
#include <vector>

#include "combo/combo_block.h"
#include "device/adapter_slots.h"
#include "device/hid_transport.h"
#include "device/simulated_adapter.h"
#include "device/slot_protocol.h"

namespace strikepad::testing {

// Five slots in memory, empty at first.
class MemorySlots final : public AdapterSlots {
 public:
  MemorySlots() { blocks.fill(emptyComboBlock()); }
  // (Not named "slots": Qt takes that word for a macro.)
  bool load(SlotBlocks& held, std::string&) override {
    held = blocks;
    return true;
  }
  bool save(const SlotBlocks& held, std::string&) override {
    blocks = held;
    return true;
  }

  SlotBlocks blocks;
};

class SimulatedAdapter final : public HidTransport {
 public:
  SimulatedAdapter();

  // --- the adapter's side ---
  ComboBlock& slot(int index) { return slots_->blocks.at(static_cast<std::size_t>(index)); }
  // Pulled out: the open handle goes stale, lookups find nothing.
  void unplug();
  // Back in: lookups find it again, a handle from before stays stale.
  void plugIn() { attached_ = true; }
  // Attached, but opening it fails (as without the udev rule).
  void denyAccess() { accessDenied_ = true; }
  // The HID layer itself cannot be used.
  void breakHidLayer() { hidLayerBroken_ = true; }
  // Write attempt number `attempt` (0 = the first since construction) is not accepted.
  void refuseWrite(int attempt) { refusedWrites_.insert(attempt); }
  // Read requests get no answer.
  void staySilent() { silent_ = true; }
  // Each reply is preceded by this many stray reports (byte 1 not 0x5A).
  void sendStraysBeforeEachReply(int count) { straysPerReply_ = count; }
  // Replies carry this many bytes instead of 49 (cut short, or with bytes beyond the report).
  void sendRepliesOfSize(std::size_t size) { replySize_ = size; }
  // A report waiting before anything else, as one left over from an earlier exchange.
  void queueInput(std::vector<std::uint8_t> report) { input_.push_back(std::move(report)); }
  // A report sent in answer to the next read request, ahead of its replies.
  void sendBeforeNextReplies(std::vector<std::uint8_t> report) { beforeNextReplies_.push_back(std::move(report)); }

  // --- what the tool did ---
  const std::vector<Report>& accepted() const { return accepted_; }  // every report taken in
  int writeAttempts() const { return writeAttempts_; }
  int lookups() const { return lookups_; }
  std::uint16_t askedVendorId() const { return askedVendorId_; }
  std::uint16_t askedProductId() const { return askedProductId_; }
  std::chrono::milliseconds lastReadTimeout() const { return lastReadTimeout_; }

  // --- HidTransport ---
  OpenResult open(std::uint16_t vendorId, std::uint16_t productId) override;
  bool isOpen() const override { return handle_ != 0; }
  void close() override;
  bool write(const Report& report) override;
  ReadResult read(std::vector<std::uint8_t>& report, std::chrono::milliseconds timeout) override;
  std::string lastError() const override { return lastError_; }

 private:
  bool handleIsLive() const { return handle_ != 0 && handle_ == plugGeneration_ && attached_; }
  // Takes the adapter's replies to a read request, with the arranged faults.
  void takeReplies();

  MemorySlots* slots_ = nullptr;  // owned by adapter_, which sets it
  strikepad::SimulatedAdapter adapter_;
  std::deque<std::vector<std::uint8_t>> input_;
  std::vector<std::vector<std::uint8_t>> beforeNextReplies_;
  std::vector<Report> accepted_;
  std::set<int> refusedWrites_;

  bool attached_ = true;
  bool accessDenied_ = false;
  bool hidLayerBroken_ = false;
  bool silent_ = false;
  int straysPerReply_ = 0;
  std::size_t replySize_ = kReportSize;

  int plugGeneration_ = 1;  // a handle is live only while it belongs to the current plug-in
  int handle_ = 0;
  int writeAttempts_ = 0;
  int lookups_ = 0;
  std::uint16_t askedVendorId_ = 0;
  std::uint16_t askedProductId_ = 0;
  std::chrono::milliseconds lastReadTimeout_{0};
  std::string lastError_;
};

}  // namespace strikepad::testing
