#include "files/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#include "text/file_failure.h"

namespace strikepad {

namespace fs = std::filesystem;

namespace {

// As many as the kernel follows before it gives up with ELOOP.
constexpr int kMaxLinksFollowed = 40;

// Where a write to `target` lands: the file a symlink points to (which need not exist yet),
// else the target itself. nullopt, with the reason, for a loop of links or a link that cannot
// be read.
std::optional<fs::path> followLinks(fs::path target, std::error_code& reason) {
  for (int i = 0; i < kMaxLinksFollowed; ++i) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(target, error))) return target;
    const fs::path link = fs::read_symlink(target, reason);
    if (reason) return std::nullopt;
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  reason = systemReason(ELOOP);
  return std::nullopt;
}

fs::path folderOf(const fs::path& file) { return file.has_parent_path() ? file.parent_path() : fs::path("."); }

// The path through which an unnamed file can be given a name with linkat.
std::string descriptorPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

// A short free name in `folder`, claimed by `claim` (0 on success, else errno): short, so that
// a target whose own name is near the file system's limit can still be replaced. nullopt, with
// the reason, when none can be claimed.
template <typename Claim>
std::optional<fs::path> claimTemporaryName(const fs::path& folder, Claim claim, std::error_code& reason) {
  std::mt19937 random(std::random_device{}());
  int error = EEXIST;
  for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
    char name[16];
    std::snprintf(name, sizeof name, ".spk%08x", static_cast<unsigned>(random()));
    fs::path path = folder / name;
    error = claim(path);
    if (error == 0) return path;
  }
  reason = systemReason(error);
  return std::nullopt;
}

std::error_code writeAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    // A write of nothing to a regular file means there is no room for more.
    if (written <= 0) return systemReason(written < 0 ? errno : ENOSPC);
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return {};
}

}  // namespace

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
  if (this != &other) {
    reset();
    fd_ = other.release();
  }
  return *this;
}

int FileDescriptor::release() {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

void FileDescriptor::reset() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

FileContent readWholeFile(const fs::path& path, std::size_t limit) {
  // Non-blocking: opening a FIFO must not wait for a writer before fstat can refuse it.
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat status {};
  if (!file || ::fstat(file.get(), &status) != 0) return {FileContent::Problem::CannotOpen, {}, systemReason(errno)};
  if (!S_ISREG(status.st_mode)) return {FileContent::Problem::NotAFile, {}};
  if (static_cast<std::uintmax_t>(status.st_size) > limit) return {FileContent::Problem::TooLarge, {}};

  // The size is a hint only: another program may change the file meanwhile. One byte past the
  // limit tells a file that has grown too large.
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(status.st_size) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (bytes.size() > limit) return {FileContent::Problem::TooLarge, {}};
      bytes.resize(std::min(bytes.size() * 2, limit + 1));
    }
    const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      return {FileContent::Problem::CannotOpen, {}, systemReason(errno)};
    }
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  return {FileContent::Problem::None, std::move(bytes)};
}

std::variant<ReplacementFile, ReplacementFile::Problem> ReplacementFile::create(const fs::path& requested,
                                                                                 std::error_code& reason,
                                                                                 Placement placement) {
  reason.clear();
  const std::optional<fs::path> target = followLinks(requested, reason);
  if (!target) return Problem::CannotCreate;
  if (target->filename().empty()) {
    reason = systemReason(EISDIR);
    return Problem::CannotCreate;
  }

  // Decided by stat alone: opening a FIFO or a device could block or act on it.
  std::optional<Ownership> old;
  struct stat status {};
  if (::stat(target->c_str(), &status) == 0) {
    if (!S_ISREG(status.st_mode)) return Problem::NotAFile;
    if (placement == Placement::NewOnly) {
      reason = systemReason(EEXIST);
      return Problem::CannotCreate;
    }
    old = Ownership{status.st_mode & 07777u, status.st_uid, status.st_gid};
  } else if (errno != ENOENT) {
    reason = systemReason(errno);
    return Problem::CannotCreate;
  }

  // Mode 0666 lets the umask decide, as for any newly created file.
  const fs::path folder = folderOf(*target);
  FileDescriptor unnamed(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
  // Without /proc the unnamed file could never be given its name.
  if (unnamed && ::access(descriptorPath(unnamed.get()).c_str(), F_OK) == 0)
    return ReplacementFile(*target, std::move(unnamed), {}, old, placement);

  // The file system has no unnamed files: a named one, removed unless committed.
  FileDescriptor named;
  const auto name = claimTemporaryName(
      folder,
      [&named](const fs::path& path) {
        named = FileDescriptor(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        return named ? 0 : errno;
      },
      reason);
  if (!name) return Problem::CannotCreate;
  return ReplacementFile(*target, std::move(named), *name, old, placement);
}

ReplacementFile::ReplacementFile(fs::path target, FileDescriptor file, fs::path name, std::optional<Ownership> old,
                                 Placement placement)
    : target_(std::move(target)), file_(std::move(file)), name_(std::move(name)), old_(old), placement_(placement) {}

ReplacementFile::ReplacementFile(ReplacementFile&& other) noexcept
    : target_(std::move(other.target_)),
      file_(std::move(other.file_)),
      name_(std::move(other.name_)),
      old_(other.old_),
      placement_(other.placement_) {
  other.name_.clear();
}

ReplacementFile::~ReplacementFile() { discard(); }

void ReplacementFile::discard() {
  file_.reset();
  if (!name_.empty()) ::unlink(name_.c_str());
  name_.clear();
}

bool ReplacementFile::commit(std::span<const std::uint8_t> bytes, std::error_code& reason) {
  if (!file_) {
    reason = systemReason(EBADF);
    return false;
  }
  // Flushed before the rename, so a power loss leaves the old file or the new one, never an
  // empty one.
  reason = writeAll(file_.get(), bytes);
  if (!reason) reason = keepOwnership();
  if (!reason && ::fsync(file_.get()) != 0) reason = systemReason(errno);
  if (!reason) reason = putInPlace();
  if (reason) {
    discard();
    return false;
  }
  file_.reset();
  // The rename is on the disk once the folder is. The new file is in place already: a file
  // system that cannot flush a folder (some refuse) does not undo that.
  const FileDescriptor folder(::open(folderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder) ::fsync(folder.get());
  return true;
}

std::error_code ReplacementFile::keepOwnership() const {
  if (!old_) return {};
  // Owner first: changing it may clear the set-user-ID bits that the mode then sets again.
  // Only a privileged process may give a file away; anyone else keeps their own.
  if (::fchown(file_.get(), old_->owner, old_->group) != 0 && errno != EPERM) return systemReason(errno);
  return ::fchmod(file_.get(), old_->mode) == 0 ? std::error_code() : systemReason(errno);
}

std::error_code ReplacementFile::putInPlace() {
  if (name_.empty()) {
    const std::string unnamed = descriptorPath(file_.get());
    // A target that does not exist is made in one step, with no temporary name at all.
    if (::linkat(AT_FDCWD, unnamed.c_str(), AT_FDCWD, target_.c_str(), AT_SYMLINK_FOLLOW) == 0) return {};
    if (errno != EEXIST || placement_ == Placement::NewOnly) return systemReason(errno);
    std::error_code reason;
    const auto name = claimTemporaryName(
        folderOf(target_),
        [&unnamed](const fs::path& path) {
          return ::linkat(AT_FDCWD, unnamed.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
        },
        reason);
    if (!name) return reason;
    name_ = *name;
  }
  if (placement_ == Placement::NewOnly) {
    // link() never replaces a file that appeared meanwhile, unlike rename(); the temporary
    // name goes when the file is discarded.
    if (::link(name_.c_str(), target_.c_str()) != 0) return systemReason(errno);
    ::unlink(name_.c_str());
  } else if (::rename(name_.c_str(), target_.c_str()) != 0) {
    return systemReason(errno);
  }
  name_.clear();
  return {};
}

std::string writeFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes,
                                ReplacementFile::Placement placement) {
  std::error_code reason;
  auto created = ReplacementFile::create(target, reason, placement);
  if (std::holds_alternative<ReplacementFile::Problem>(created)) {
    if (!reason) reason = systemReason(EISDIR);  // what is there is no regular file
    return fileFailure(target, reason);
  }
  if (!std::get<ReplacementFile>(created).commit(bytes, reason)) return fileFailure(target, reason);
  return {};
}

}  // namespace strikepad
