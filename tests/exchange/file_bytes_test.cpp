#include "exchange/file_bytes.h"

#include <gtest/gtest.h>

#include <fstream>

#include "file_size_limit.h"
#include "temp_dir.h"

namespace strikepad {
namespace {

using testing::FileSizeLimit;
using testing::TempDir;

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

void writeText(const std::filesystem::path& path, std::string_view text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::size_t entriesIn(const std::filesystem::path& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(ReadWholeFile, ReadsEveryByte) {
  TempDir dir;
  std::string text(100000, 'q');
  text[5] = '\0';
  writeText(dir / "a.SPK", text);
  EXPECT_EQ(readWholeFile(dir / "a.SPK"), bytesOf(text));
  writeText(dir / "empty.SPK", "");
  EXPECT_EQ(readWholeFile(dir / "empty.SPK"), std::vector<std::uint8_t>{});
}

TEST(ReadWholeFile, MissingFilesAndFoldersCannotBeRead) {
  TempDir dir;
  EXPECT_FALSE(readWholeFile(dir / "missing.SPK"));
  EXPECT_FALSE(readWholeFile(dir.path()));
}

TEST(ReplacementFile, CommitReplacesTheTargetAndLeavesNothingElse) {
  TempDir dir;
  writeText(dir / "game.SPK", "an older and longer content");
  auto file = ReplacementFile::create(dir / "game.SPK");
  ASSERT_TRUE(file);
  EXPECT_EQ(readWholeFile(dir / "game.SPK"), bytesOf("an older and longer content")) << "untouched until commit";
  ASSERT_TRUE(file->commit(bytesOf("new")));
  EXPECT_EQ(readWholeFile(dir / "game.SPK"), bytesOf("new"));
  EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(ReplacementFile, AFileNeverCommittedLeavesTheFolderAsItWas) {
  TempDir dir;
  writeText(dir / "game.SPK", "kept");
  { auto file = ReplacementFile::create(dir / "game.SPK"); }
  { auto file = ReplacementFile::create(dir / "new.SPK"); }
  EXPECT_EQ(readWholeFile(dir / "game.SPK"), bytesOf("kept"));
  EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(ReplacementFile, NoFolderNoFile) {
  TempDir dir;
  EXPECT_FALSE(ReplacementFile::create(dir / "missing" / "game.SPK"));
}

TEST(ReplacementFile, AFullDiskKeepsTheOldFile) {
  TempDir dir;
  writeText(dir / "game.SPK", "kept");
  auto file = ReplacementFile::create(dir / "game.SPK");
  ASSERT_TRUE(file);
  bool committed = true;
  {
    FileSizeLimit fullAfter(100);
    committed = file->commit(std::vector<std::uint8_t>(5000, 7));
  }
  EXPECT_FALSE(committed);
  EXPECT_EQ(readWholeFile(dir / "game.SPK"), bytesOf("kept"));
  EXPECT_EQ(entriesIn(dir.path()), 1u) << "the partial temporary file is removed";
}

}  // namespace
}  // namespace strikepad
