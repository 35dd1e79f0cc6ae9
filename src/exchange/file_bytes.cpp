#include "exchange/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace strikepad {

namespace {

// Closes a descriptor on every path out of a read.
class ReadDescriptor {
 public:
  explicit ReadDescriptor(const std::filesystem::path& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
  ~ReadDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  ReadDescriptor(const ReadDescriptor&) = delete;
  ReadDescriptor& operator=(const ReadDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

std::filesystem::path temporaryNameBeside(const std::filesystem::path& target, std::mt19937& random) {
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, ".%08x", static_cast<unsigned>(random()));
  std::string hidden = ".";
  hidden += target.filename().string();
  hidden += suffix;
  std::filesystem::path name = target;
  name.replace_filename(hidden);
  return name;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path) {
  const ReadDescriptor file(path);
  struct stat status {};
  if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || S_ISDIR(status.st_mode)) return std::nullopt;

  std::vector<std::uint8_t> bytes;
  // The size is a hint only: another program may change the file meanwhile.
  bytes.resize(static_cast<std::size_t>(status.st_size) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  return bytes;
}

std::optional<ReplacementFile> ReplacementFile::create(const std::filesystem::path& target) {
  if (target.filename().empty()) return std::nullopt;
  std::mt19937 random(std::random_device{}());
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::filesystem::path temporary = temporaryNameBeside(target, random);
    // Mode 0666 lets the umask decide, as for any newly created file.
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return ReplacementFile(target, std::move(temporary), fd);
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

ReplacementFile::ReplacementFile(std::filesystem::path target, std::filesystem::path temporary, int descriptor)
    : target_(std::move(target)), temporary_(std::move(temporary)), descriptor_(descriptor) {}

ReplacementFile::ReplacementFile(ReplacementFile&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::move(other.temporary_)), descriptor_(other.descriptor_) {
  other.descriptor_ = -1;
  other.temporary_.clear();
}

ReplacementFile::~ReplacementFile() { discard(); }

void ReplacementFile::discard() {
  if (descriptor_ >= 0) ::close(descriptor_);
  descriptor_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

bool ReplacementFile::commit(std::span<const std::uint8_t> bytes) {
  if (descriptor_ < 0) return false;
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      discard();
      return false;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  const int closed = ::close(descriptor_);
  descriptor_ = -1;
  if (closed != 0 || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
    discard();
    return false;
  }
  temporary_.clear();
  return true;
}

}  // namespace strikepad
