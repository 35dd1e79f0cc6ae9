#include "device/slot_protocol.h"

#include <algorithm>

namespace strikepad {

Report readRequest(int slot) {
  Report report{};
  report[0] = kOutputReportId;
  report[1] = kReadCommand;
  report[2] = static_cast<std::uint8_t>(slot);
  return report;
}

Report writeChunk(int slot, std::size_t index, const ComboBlock& block) {
  Report report{};
  report[0] = kOutputReportId;
  report[1] = kWriteCommand;
  report[2] = static_cast<std::uint8_t>(slot);
  report[3] = static_cast<std::uint8_t>(index);
  std::copy_n(block.begin() + static_cast<std::ptrdiff_t>(index * kChunkSize), kChunkSize,
              report.begin() + kPayloadOffset);
  return report;
}

bool isSlotReply(std::span<const std::uint8_t> report) {
  return report.size() > 1 && report[1] == kReadCommand;
}

std::span<const std::uint8_t, kChunkSize> replyPayload(std::span<const std::uint8_t, kReportSize> report) {
  return report.subspan<kPayloadOffset, kChunkSize>();
}

}  // namespace strikepad
