#pragma once
// Bounded whole-file reads and the one all-or-nothing file writer: exchange files, the simulated
// adapter's slot file and new catalogues are all written through it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <variant>
#include <vector>

namespace strikepad {

// Owns one open file descriptor; -1 holds none.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept;
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { reset(); }

  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  int release();
  void reset();

 private:
  int fd_;
};

struct FileContent {
  enum class Problem { None, CannotOpen, NotAFile, TooLarge };
  Problem problem = Problem::None;
  std::vector<std::uint8_t> bytes;  // empty unless problem is None
  std::error_code reason{};         // the system's, when the file could not be opened or read

  explicit operator bool() const { return problem == Problem::None; }
};

// The bytes of the regular file at `path`. A FIFO, a device, a socket or a folder is refused
// without waiting for a writer and without reading it; so is a file of more than `limit` bytes,
// and never more than `limit` bytes are held however the file grows meanwhile.
FileContent readWholeFile(const std::filesystem::path& path, std::size_t limit);

// A new file that takes the place of `target` on commit(); until then the target stays as it
// was, and a file never committed leaves nothing behind (where the file system can, it has no
// name until commit). A symlink is followed: the file it points to is replaced, the link stays.
// The rename breaks a hard link to the target, as any save by replacement does.
class ReplacementFile {
 public:
  // Replace: the target is replaced when it exists. NewOnly: the file is linked into place,
  // which never replaces a file, not even one that appeared after create(); commit then fails
  // with EEXIST.
  enum class Placement { Replace, NewOnly };

  enum class Problem {
    NotAFile,      // the target exists and is a FIFO, a device, a socket or a folder: not opened
    CannotCreate,  // no file can be created in the target's folder
  };

  // On CannotCreate, `reason` holds the system's reason.
  static std::variant<ReplacementFile, Problem> create(const std::filesystem::path& target, std::error_code& reason,
                                                       Placement placement = Placement::Replace);

  ReplacementFile(ReplacementFile&& other) noexcept;
  ReplacementFile& operator=(ReplacementFile&&) = delete;
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;
  ~ReplacementFile();

  // Writes every byte, flushes it to the disk, gives the file the old one's permission bits
  // (and owner and group where allowed) and renames it over the target, then flushes the
  // folder. False, with the system's reason in `reason`, when any of it fails (a full disk):
  // the target is then as it was.
  bool commit(std::span<const std::uint8_t> bytes, std::error_code& reason);

 private:
  struct Ownership {
    unsigned mode;
    unsigned owner;
    unsigned group;
  };

  ReplacementFile(std::filesystem::path target, FileDescriptor file, std::filesystem::path name,
                  std::optional<Ownership> old, Placement placement);
  std::error_code keepOwnership() const;
  std::error_code putInPlace();
  void discard();

  std::filesystem::path target_;  // a symlink's file, not the link
  FileDescriptor file_;
  std::filesystem::path name_;  // the temporary name; empty while the file has none
  std::optional<Ownership> old_;
  Placement placement_;
};

// Writes `bytes` as the file `target` through a ReplacementFile: all of it or, when it fails, the
// target as it was. An empty text when it was written, else the file's whole path and the
// system's reason.
std::string writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                                ReplacementFile::Placement placement = ReplacementFile::Placement::Replace);

}  // namespace strikepad
