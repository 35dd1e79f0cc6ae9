#pragma once
// The adapter's slot protocol: which device it is, and the reports that move one combo block
// to or from one of its five memory slots.

#include <cstddef>
#include <cstdint>
#include <span>

#include "combo/combo_block.h"
#include "device/hid_transport.h"

namespace strikepad {

inline constexpr std::uint16_t kAdapterVendorId = 0x054C;
inline constexpr std::uint16_t kAdapterProductId = 0x0268;

inline constexpr int kSlotCount = 5;  // slots 0..4, shown to the user as 1..5

inline constexpr std::uint8_t kOutputReportId = 0x01;
inline constexpr std::uint8_t kReadCommand = 0x5A;   // request, and the mark of a slot-data reply
inline constexpr std::uint8_t kWriteCommand = 0x6A;

inline constexpr std::size_t kChunkSize = 45;
inline constexpr std::size_t kChunkCount = kBlockSize / kChunkSize;  // 8
inline constexpr std::size_t kPayloadOffset = 4;
static_assert(kChunkSize * kChunkCount == kBlockSize);
static_assert(kPayloadOffset + kChunkSize == kReportSize);

// 01 5A slot, then zeros.
Report readRequest(int slot);

// 01 6A slot index, then block bytes 45*index .. 45*index+44.
Report writeChunk(int slot, std::size_t index, const ComboBlock& block);

// A slot-data reply carries 0x5A at byte 1; anything else the adapter sends is dropped.
bool isSlotReply(std::span<const std::uint8_t> report);

// The 45 block bytes of a slot-data reply.
std::span<const std::uint8_t, kChunkSize> replyPayload(std::span<const std::uint8_t, kReportSize> report);

}  // namespace strikepad
