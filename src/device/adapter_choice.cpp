#include "device/adapter_choice.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string_view>

#include "device/hidapi_transport.h"
#include "device/simulated_adapter.h"
#include "device/slot_file.h"

namespace strikepad {

namespace {

constexpr std::string_view kSimulatedPrefix = "simulated:";

void takeChunkPause(LinkTiming& timing, std::string_view text) {
  int milliseconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), milliseconds);
  if (error == std::errc() && end == text.data() + text.size() && milliseconds >= 0)
    timing.chunkPause = std::chrono::milliseconds(milliseconds);
}

}  // namespace

AdapterChoice chooseAdapter(const char* setting, const char* chunkPause) {
  AdapterChoice choice;
  const std::string_view value = setting ? setting : "";
  if (value.empty()) {
    choice.transport = std::make_unique<HidapiTransport>();
    return choice;
  }
  const std::string_view file = value.substr(std::min(value.size(), kSimulatedPrefix.size()));
  if (!value.starts_with(kSimulatedPrefix) || file.empty()) {
    choice.problem = std::string(kAdapterVariable) + " is \"" + std::string(value) +
                     "\": set it to simulated:FILE for a simulated adapter that keeps its slots in FILE, "
                     "or unset it for the real adapter.";
    return choice;
  }
  choice.transport = std::make_unique<SimulatedAdapter>(std::make_unique<SlotFile>(std::string(file)));
  if (chunkPause) takeChunkPause(choice.timing, chunkPause);
  return choice;
}

AdapterChoice adapterFromEnvironment() {
  return chooseAdapter(std::getenv(kAdapterVariable), std::getenv(kSimulatedChunkPauseVariable));
}

}  // namespace strikepad
