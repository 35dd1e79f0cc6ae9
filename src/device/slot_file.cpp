#include "device/slot_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <vector>

#include "text/file_failure.h"

namespace strikepad {

namespace {

constexpr std::size_t kFileSize = kSlotCount * kBlockSize;

// A temporary file beside the slot file, removed unless it was renamed into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::filesystem::path& target)
      : name_(target.string() + ".XXXXXX"), fd_(mkstemp(name_.data())) {}
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!renamed_) ::unlink(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool created() const { return fd_ >= 0; }

  // Writes every byte, flushes them to the disk and renames the file over `target`.
  bool replace(const std::filesystem::path& target, const std::uint8_t* bytes, std::size_t size) {
    for (std::size_t written = 0; written < size;) {
      const ssize_t step = ::write(fd_, bytes + written, size - written);
      if (step < 0 && errno == EINTR) continue;
      // A write of nothing means there is no room for more.
      if (step == 0) errno = ENOSPC;
      if (step <= 0) return false;
      written += static_cast<std::size_t>(step);
    }
    if (::fsync(fd_) != 0 || ::close(fd_) != 0) return false;
    fd_ = -1;
    renamed_ = ::rename(name_.c_str(), target.c_str()) == 0;
    return renamed_;
  }

 private:
  std::string name_;
  int fd_;
  bool renamed_ = false;
};

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
  TemporaryFile file(path_);
  if (!file.created() || !file.replace(path_, bytes.data(), bytes.size())) {
    problem = fileFailure(path_, systemReason(errno));
    return false;
  }
  return true;
}

}  // namespace strikepad
