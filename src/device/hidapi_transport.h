#pragma once
// The real adapter through hidapi.

#include <memory>

#include "device/hid_transport.h"

struct hid_device_;

namespace strikepad {

class HidapiTransport final : public HidTransport {
 public:
  HidapiTransport();
  ~HidapiTransport() override;
  HidapiTransport(const HidapiTransport&) = delete;
  HidapiTransport& operator=(const HidapiTransport&) = delete;

  OpenResult open(std::uint16_t vendorId, std::uint16_t productId) override;
  bool isOpen() const override { return device_ != nullptr; }
  void close() override { device_.reset(); }
  bool write(const Report& report) override;
  ReadResult read(std::vector<std::uint8_t>& report, std::chrono::milliseconds timeout) override;
  std::string lastError() const override { return lastError_; }

 private:
  // hid_init on first use, hid_exit when the transport goes.
  class Library;
  struct DeviceCloser {
    void operator()(hid_device_* device) const;
  };

  std::unique_ptr<Library> library_;
  std::unique_ptr<hid_device_, DeviceCloser> device_;
  std::string lastError_;
};

}  // namespace strikepad
