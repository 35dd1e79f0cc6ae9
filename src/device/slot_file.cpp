#include "device/slot_file.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <vector>

#include "files/file_bytes.h"
#include "text/file_failure.h"

namespace strikepad {

namespace {

constexpr std::size_t kFileSize = kSlotCount * kBlockSize;

}  // namespace

bool SlotFile::load(SlotBlocks& held, std::string& problem) {
  std::error_code missing;
  if (!std::filesystem::exists(path_, missing) && !missing) {
    held.fill(emptyComboBlock());
    return save(held, problem);
  }
  errno = 0;
  std::ifstream file(path_, std::ios::binary);
  if (!file) {
    problem = fileFailure(path_, systemReason(errno));
    return false;
  }
  // One byte more than a slot file holds tells a file that is not one.
  std::vector<char> bytes(kFileSize + 1);
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (file.bad()) {
    problem = fileFailure(path_, systemReason(errno));
    return false;
  }
  if (static_cast<std::size_t>(file.gcount()) != kFileSize) {
    problem = fileFailure(path_, {}) + " is not the slot file of a simulated adapter (" + std::to_string(kFileSize) +
              " bytes)";
    return false;
  }
  for (std::size_t slot = 0; slot < held.size(); ++slot)
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(slot * kBlockSize), kBlockSize, held[slot].begin());
  return true;
}

bool SlotFile::save(const SlotBlocks& held, std::string& problem) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kFileSize);
  for (const ComboBlock& block : held) bytes.insert(bytes.end(), block.begin(), block.end());
  problem = writeFileAtomically(path_, bytes);
  return problem.empty();
}

}  // namespace strikepad
