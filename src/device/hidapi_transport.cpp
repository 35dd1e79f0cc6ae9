#include "device/hidapi_transport.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <array>

namespace strikepad {

namespace {

// hidapi's messages are wide strings of ASCII text; other characters become '?'.
std::string narrow(const wchar_t* text, const char* fallback) {
  if (text == nullptr) return fallback;
  std::string result;
  for (; *text != L'\0'; ++text) result += (*text >= 0 && *text < 0x80) ? static_cast<char>(*text) : '?';
  return result;
}

struct EnumerationFree {
  void operator()(hid_device_info* list) const { hid_free_enumeration(list); }
};

}  // namespace

class HidapiTransport::Library {
 public:
  Library() : ready_(hid_init() == 0) {}
  ~Library() {
    if (ready_) hid_exit();
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  bool ready() const { return ready_; }

 private:
  bool ready_;
};

void HidapiTransport::DeviceCloser::operator()(hid_device* device) const { hid_close(device); }

HidapiTransport::HidapiTransport() = default;
HidapiTransport::~HidapiTransport() = default;

OpenResult HidapiTransport::open(std::uint16_t vendorId, std::uint16_t productId) {
  close();
  if (!library_ || !library_->ready()) library_ = std::make_unique<Library>();
  if (!library_->ready()) {
    lastError_ = narrow(hid_error(nullptr), "hid_init failed");
    return OpenResult::EnumerationFailed;
  }
  const std::unique_ptr<hid_device_info, EnumerationFree> found(hid_enumerate(vendorId, productId));
  if (!found) {
    lastError_ = "no such device attached";
    return OpenResult::NotFound;
  }
  lastError_.clear();
  for (const hid_device_info* entry = found.get(); entry != nullptr; entry = entry->next) {
    device_.reset(hid_open_path(entry->path));
    if (device_) return OpenResult::Opened;
    // The node is listed whatever its permissions are; opening it is what needs access.
    if (lastError_.empty()) lastError_ = narrow(hid_error(nullptr), "can not open the device node");
  }
  return OpenResult::NotOpened;
}

bool HidapiTransport::write(const Report& report) {
  if (!device_) return false;
  // hid_write takes the report ID at byte 0 on every platform, as our reports carry it.
  if (hid_write(device_.get(), report.data(), report.size()) == static_cast<int>(report.size())) return true;
  lastError_ = narrow(hid_error(device_.get()), "write failed");
  return false;
}

ReadResult HidapiTransport::read(std::vector<std::uint8_t>& report, std::chrono::milliseconds timeout) {
  if (!device_) return ReadResult::Failed;
  // Larger than any report of a full-speed device, so an oversized report shows its true size.
  std::array<std::uint8_t, 4 * kReportSize> buffer{};
  const int length = hid_read_timeout(device_.get(), buffer.data(), buffer.size(), static_cast<int>(timeout.count()));
  if (length < 0) {
    lastError_ = narrow(hid_error(device_.get()), "read failed");
    return ReadResult::Failed;
  }
  if (length == 0) return ReadResult::TimedOut;
  report.assign(buffer.begin(), buffer.begin() + length);
  // hidapi hands numbered input reports over with their ID first, but unnumbered ones with no
  // ID byte at all (Windows' ReadFile puts a 0 there). A report one byte short of ours is such
  // an unnumbered one: give it ID 0 so that byte 1 is the command everywhere.
  if (report.size() == kReportSize - 1) report.insert(report.begin(), 0x00);
  return ReadResult::Received;
}

}  // namespace strikepad
