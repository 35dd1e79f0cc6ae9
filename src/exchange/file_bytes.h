#pragma once
// Whole-file reads and all-or-nothing file replacement for exchange files.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace strikepad {

// The file's bytes; nullopt when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path);

// A new file written beside `target` under a temporary name; commit() renames it over the
// target. Until then the target stays as it was, and a file never committed is removed.
class ReplacementFile {
 public:
  // nullopt when no file can be created in the target's folder.
  static std::optional<ReplacementFile> create(const std::filesystem::path& target);

  ReplacementFile(ReplacementFile&& other) noexcept;
  ReplacementFile& operator=(ReplacementFile&&) = delete;
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;
  ~ReplacementFile();

  // Writes every byte, closes and renames; false when any of it fails (a full disk).
  bool commit(std::span<const std::uint8_t> bytes);

 private:
  ReplacementFile(std::filesystem::path target, std::filesystem::path temporary, int descriptor);
  void discard();

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  int descriptor_;
};

}  // namespace strikepad
