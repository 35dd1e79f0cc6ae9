#pragma once
// The part of the main window the device commands work on: the "Memory Index" radio buttons,
// the busy indicator and the window's client area. The Qt window implements it; tests fake it.

namespace strikepad {

// How far the running transfer is: chunks written or replies received, of `total`.
// total is 0 when no transfer is running, and while busy until the first chunk or reply.
struct TransferState {
  int done = 0;
  int total = 0;
};

class DevicePanel {
 public:
  virtual ~DevicePanel() = default;

  // Whether the radio button of slot `slot` (0 = "1" .. 4 = "5") is checked.
  virtual bool isSlotButtonChecked(int slot) const = 0;
  // Draws the indicator now, not through a repaint request, so that it shows even while a
  // transfer run on the calling thread holds it: the gear, with the busy badge and the
  // transfer's progress while busy.
  virtual void drawBusyIndicator(bool busy, TransferState transfer) = 0;
  // Marks the whole client area, background included, for repainting.
  virtual void invalidateClientArea() = 0;
};

}  // namespace strikepad
