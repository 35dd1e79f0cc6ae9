#pragma once
// The adapter as a HID device: open it, exchange 49-byte reports, close it. HidapiTransport
// talks to the real adapter; tests use a simulated one.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace strikepad {

// Every report in both directions: report ID at byte 0, then 48 data bytes.
inline constexpr std::size_t kReportSize = 49;
using Report = std::array<std::uint8_t, kReportSize>;

enum class OpenResult {
  Opened,
  NotFound,           // no HID device with these identifiers is attached
  NotOpened,          // one is attached, but none could be opened (usually: no permission)
  EnumerationFailed,  // the HID layer itself could not be used
};

enum class ReadResult { Received, TimedOut, Failed };

class HidTransport {
 public:
  virtual ~HidTransport() = default;

  // Closes what is held, then opens the first attached device with these identifiers.
  virtual OpenResult open(std::uint16_t vendorId, std::uint16_t productId) = 0;
  virtual bool isOpen() const = 0;
  virtual void close() = 0;

  // Sends one output report; false when it was not accepted.
  virtual bool write(const Report& report) = 0;
  // Waits up to `timeout` for one input report. On Received, `report` holds it as the device
  // sent it, report ID first; its length is whatever the device sent.
  virtual ReadResult read(std::vector<std::uint8_t>& report, std::chrono::milliseconds timeout) = 0;

  // Why the last open, write or read failed, for the user.
  virtual std::string lastError() const = 0;
};

}  // namespace strikepad
