#pragma once
// Which adapter the window and the command-line tool talk to. Without STRIKEPAD_ADAPTER it is
// the real one; STRIKEPAD_ADAPTER=simulated:FILE gives a simulated adapter whose five slots
// are kept in FILE, for trying the program without the hardware.

#include <memory>
#include <string>

#include "device/device_link.h"
#include "device/hid_transport.h"

namespace strikepad {

inline constexpr const char* kAdapterVariable = "STRIKEPAD_ADAPTER";
// Only the tests set it: the pause after each chunk written to the simulated adapter, in
// milliseconds, so that a download through a separate process need not take four seconds.
inline constexpr const char* kSimulatedChunkPauseVariable = "STRIKEPAD_SIMULATED_CHUNK_PAUSE_MS";

struct AdapterChoice {
  std::unique_ptr<HidTransport> transport;  // none when the setting is malformed
  LinkTiming timing;
  std::string problem;  // why the setting is malformed
};

// `setting` is STRIKEPAD_ADAPTER's value and `chunkPause` the test pause's, each null when unset.
AdapterChoice chooseAdapter(const char* setting, const char* chunkPause);
// The same, from the process's environment.
AdapterChoice adapterFromEnvironment();

}  // namespace strikepad
