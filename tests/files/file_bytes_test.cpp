#include "files/file_bytes.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <fstream>

#include "file_size_limit.h"
#include "temp_dir.h"

namespace strikepad {
namespace {

namespace fs = std::filesystem;
using testing::FileSizeLimit;
using testing::TempDir;

constexpr std::size_t kNoLimit = std::size_t{1} << 30;

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

void writeText(const fs::path& path, std::string_view text) { std::ofstream(path, std::ios::binary) << text; }

std::vector<std::uint8_t> contentOf(const fs::path& path) { return readWholeFile(path, kNoLimit).bytes; }

std::size_t entriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

// The file that will replace `target`; fails the test when there is none.
ReplacementFile replacementFor(const fs::path& target) {
  std::error_code reason;
  auto created = ReplacementFile::create(target, reason);
  EXPECT_TRUE(std::holds_alternative<ReplacementFile>(created)) << target;
  return std::get<ReplacementFile>(std::move(created));
}

std::optional<ReplacementFile::Problem> problemWith(const fs::path& target) {
  std::error_code reason;
  auto created = ReplacementFile::create(target, reason);
  if (const auto* problem = std::get_if<ReplacementFile::Problem>(&created)) return *problem;
  return std::nullopt;
}

TEST(ReadWholeFile, ReadsEveryByte) {
  TempDir dir;
  std::string text(100000, 'q');
  text[5] = '\0';
  writeText(dir / "a.SPK", text);
  EXPECT_EQ(contentOf(dir / "a.SPK"), bytesOf(text));
  writeText(dir / "empty.SPK", "");
  EXPECT_TRUE(readWholeFile(dir / "empty.SPK", kNoLimit));
  EXPECT_EQ(contentOf(dir / "empty.SPK"), std::vector<std::uint8_t>{});
}

TEST(ReadWholeFile, OnlyRegularFilesAreRead) {
  TempDir dir;
  EXPECT_EQ(readWholeFile(dir / "missing.SPK", kNoLimit).problem, FileContent::Problem::CannotOpen);
  EXPECT_EQ(readWholeFile(dir.path(), kNoLimit).problem, FileContent::Problem::NotAFile);
}

TEST(ReadWholeFile, AFileLargerThanTheLimitIsRefusedUnread) {
  TempDir dir;
  writeText(dir / "at.SPK", std::string(1000, 'x'));
  EXPECT_EQ(readWholeFile(dir / "at.SPK", 1000).bytes.size(), 1000u);
  writeText(dir / "huge.SPK", "");
  fs::resize_file(dir / "huge.SPK", std::uintmax_t{1} << 30);  // sparse: takes no room
  const FileContent huge = readWholeFile(dir / "huge.SPK", 1000);
  EXPECT_EQ(huge.problem, FileContent::Problem::TooLarge);
  EXPECT_TRUE(huge.bytes.empty());
}

TEST(ReplacementFile, CommitReplacesTheTargetAndLeavesNothingElse) {
  std::error_code reason;
  TempDir dir;
  writeText(dir / "game.SPK", "an older and longer content");
  auto file = replacementFor(dir / "game.SPK");
  EXPECT_EQ(contentOf(dir / "game.SPK"), bytesOf("an older and longer content")) << "untouched until commit";
  ASSERT_TRUE(file.commit(bytesOf("new"), reason));
  EXPECT_EQ(contentOf(dir / "game.SPK"), bytesOf("new"));
  EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(ReplacementFile, AFileNeverCommittedLeavesTheFolderAsItWas) {
  TempDir dir;
  writeText(dir / "game.SPK", "kept");
  { auto file = replacementFor(dir / "game.SPK"); }
  { auto file = replacementFor(dir / "new.SPK"); }
  EXPECT_EQ(contentOf(dir / "game.SPK"), bytesOf("kept"));
  EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(ReplacementFile, AWriterKilledBeforeCommitLeavesNoTemporaryFile) {
  std::error_code reason;
  TempDir dir;
  writeText(dir / "game.SPK", "kept");
  const pid_t child = ::fork();
  if (child == 0) {
    auto file = ReplacementFile::create(dir / "game.SPK", reason);
    ::raise(SIGKILL);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(contentOf(dir / "game.SPK"), bytesOf("kept"));
  EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(ReplacementFile, NoFolderNoFile) {
  TempDir dir;
  EXPECT_EQ(problemWith(dir / "missing" / "game.SPK"), ReplacementFile::Problem::CannotCreate);
}

TEST(ReplacementFile, AFullDiskKeepsTheOldFile) {
  std::error_code reason;
  TempDir dir;
  writeText(dir / "game.SPK", "kept");
  auto file = replacementFor(dir / "game.SPK");
  bool committed = true;
  {
    FileSizeLimit fullAfter(100);
    committed = file.commit(std::vector<std::uint8_t>(5000, 7), reason);
  }
  EXPECT_FALSE(committed);
  EXPECT_EQ(contentOf(dir / "game.SPK"), bytesOf("kept"));
  EXPECT_EQ(entriesIn(dir.path()), 1u) << "the partial temporary file is removed";
}

TEST(ReplacementFile, ANewOnlyFileNeverReplacesOneThatAppearedMeanwhile) {
  std::error_code reason;
  TempDir dir;
  auto created = ReplacementFile::create(dir / "sp.dat", reason, ReplacementFile::Placement::NewOnly);
  ASSERT_TRUE(std::holds_alternative<ReplacementFile>(created));
  writeText(dir / "sp.dat", "another program's");
  EXPECT_FALSE(std::get<ReplacementFile>(created).commit(bytesOf("new"), reason));
  EXPECT_EQ(reason, std::errc::file_exists);
  EXPECT_EQ(contentOf(dir / "sp.dat"), bytesOf("another program's"));
  EXPECT_EQ(entriesIn(dir.path()), 1u) << "no temporary file left";
}

TEST(ReplacementFile, ASymlinkIsFollowedAndStays) {
  std::error_code reason;
  TempDir dir;
  fs::create_directory(dir / "exports");
  writeText(dir / "exports" / "game.SPK", "old");
  fs::create_symlink("exports/game.SPK", dir / "link.SPK");
  ASSERT_TRUE(replacementFor(dir / "link.SPK").commit(bytesOf("new"), reason));
  EXPECT_TRUE(fs::is_symlink(dir / "link.SPK"));
  EXPECT_EQ(contentOf(dir / "exports" / "game.SPK"), bytesOf("new"));
  EXPECT_EQ(entriesIn(dir / "exports"), 1u);
}

TEST(ReplacementFile, TheOldFilesPermissionsOwnerAndGroupAreKept) {
  std::error_code reason;
  TempDir dir;
  writeText(dir / "game.SPK", "old");
  fs::permissions(dir / "game.SPK", fs::perms::owner_read | fs::perms::owner_write);
  // Only a privileged process can give the file to someone else; any other keeps its own.
  const bool givenAway = ::chown((dir / "game.SPK").c_str(), 4321, 8765) == 0;
  struct stat before {};
  ASSERT_EQ(::stat((dir / "game.SPK").c_str(), &before), 0);

  ASSERT_TRUE(replacementFor(dir / "game.SPK").commit(bytesOf("new"), reason));
  struct stat after {};
  ASSERT_EQ(::stat((dir / "game.SPK").c_str(), &after), 0);
  EXPECT_EQ(after.st_mode & 07777, 0600u);
  EXPECT_EQ(after.st_uid, before.st_uid) << "given away: " << givenAway;
  EXPECT_EQ(after.st_gid, before.st_gid);
}

TEST(ReplacementFile, ANameAtTheFileSystemsLengthLimitCanBeReplaced) {
  std::error_code reason;
  TempDir dir;
  const fs::path target = dir / (std::string(NAME_MAX - 4, 'n') + ".SPK");
  writeText(target, "old");
  ASSERT_TRUE(replacementFor(target).commit(bytesOf("new"), reason));
  EXPECT_EQ(contentOf(target), bytesOf("new"));
}

// A socket bound in `path`; closed (the name stays) when it ends.
class BoundSocket {
 public:
  explicit BoundSocket(const fs::path& path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    bound_ = ::bind(fd_.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  }
  bool bound() const { return bound_; }

 private:
  FileDescriptor fd_;
  bool bound_ = false;
};

TEST(ReplacementFile, WhatIsNotARegularFileIsRefusedWithoutBeingOpened) {
  std::error_code reason;
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  // With a reader there, a writer opening the FIFO would not block, and its bytes would show.
  const FileDescriptor reader(::open((dir / "fifo").c_str(), O_RDONLY | O_NONBLOCK));
  fs::create_directory(dir / "folder");
  BoundSocket socket(dir / "socket");
  ASSERT_TRUE(socket.bound());
  fs::create_symlink("fifo", dir / "link");

  for (const char* name : {"fifo", "folder", "socket", "link"}) {
    auto created = ReplacementFile::create(dir / name, reason);
    ASSERT_TRUE(std::holds_alternative<ReplacementFile::Problem>(created)) << name;
    EXPECT_EQ(std::get<ReplacementFile::Problem>(created), ReplacementFile::Problem::NotAFile) << name;
  }
  char byte;
  EXPECT_EQ(::read(reader.get(), &byte, 1), 0) << "nothing was written into the FIFO";
  EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
  EXPECT_TRUE(fs::is_socket(dir / "socket"));
  EXPECT_EQ(entriesIn(dir.path()), 4u);
}

}  // namespace
}  // namespace strikepad
