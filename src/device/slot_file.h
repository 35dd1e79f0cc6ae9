#pragma once
// The slots of the simulated adapter in a file: the five 360-byte blocks one after another,
// 1800 bytes. A missing file is made with five empty slots. Each save goes through the one
// atomic file writer, so a process killed while saving leaves the old slots or the new ones,
// never a mix; a save that fails says why (the file's path and the system's reason).

#include <filesystem>

#include "device/adapter_slots.h"

namespace strikepad {

class SlotFile final : public AdapterSlots {
 public:
  explicit SlotFile(std::filesystem::path path) : path_(std::move(path)) {}

  bool load(SlotBlocks& held, std::string& problem) override;
  bool save(const SlotBlocks& held, std::string& problem) override;

 private:
  std::filesystem::path path_;
};

}  // namespace strikepad
