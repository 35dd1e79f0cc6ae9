#pragma once
// The combo data block: the adapter's own layout of one combo, 45 steps of 8 bytes.

#include <array>
#include <cstddef>
#include <cstdint>

namespace strikepad {

inline constexpr std::size_t kStepSize = 8;
inline constexpr std::size_t kStepCount = 45;
inline constexpr std::size_t kBlockSize = kStepSize * kStepCount;  // 360

using ComboBlock = std::array<std::uint8_t, kBlockSize>;

// Offsets inside one step record.
inline constexpr std::size_t kFirstButtonByte = 0;
inline constexpr std::size_t kSecondButtonByte = 1;
inline constexpr std::size_t kAxisLx = 2;
inline constexpr std::size_t kAxisLy = 3;
inline constexpr std::size_t kAxisRx = 4;
inline constexpr std::size_t kAxisRy = 5;
inline constexpr std::size_t kTimeLow = 6;
inline constexpr std::size_t kTimeHigh = 7;

inline constexpr std::uint8_t kAxisAtRest = 0x80;

// A block of 0xFF bytes: step 0 is the end marker, so it holds no steps.
ComboBlock emptyComboBlock();

// A step ends the combo when its first four bytes are FF FF FF FF; nothing else is examined.
bool isEndMarker(const ComboBlock& block, std::size_t step);
bool readsAsEndMarker(const std::uint8_t* record);  // the eight bytes of one step

// The number of steps before the end marker (45 when there is none).
std::size_t stepCount(const ComboBlock& block);

inline bool isEmptyCombo(const ComboBlock& block) { return isEndMarker(block, 0); }

// Copies up to kBlockSize bytes into a block whose remaining bytes are 0xFF, so a short
// stored value reads as the steps it holds followed by end markers.
ComboBlock blockFromBytes(const std::uint8_t* bytes, std::size_t length);

}  // namespace strikepad
