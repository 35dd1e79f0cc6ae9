#pragma once
// The command-line tool's two outputs. Standard output keeps the reason of its first failed
// write, so that output that was not written is never reported as written. Standard error
// shows every control character escaped but the line end: a name from a file or the catalogue
// can neither forge a line nor command the terminal.

#include <filesystem>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"
#include "operations/lookup.h"
#include "operations/outcome.h"

namespace strikepad::cli {

class CheckedOutputBuffer final : public std::streambuf {
 public:
  explicit CheckedOutputBuffer(int fd);
  CheckedOutputBuffer(const CheckedOutputBuffer&) = delete;
  CheckedOutputBuffer& operator=(const CheckedOutputBuffer&) = delete;

  // 0 while every byte given has been written; else the errno of the first write that failed,
  // after which nothing more is written.
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool drain();

  int fd_;
  // Set when the descriptor was closed at start: another file may take its number meanwhile,
  // and must never receive the output.
  int unusable_ = 0;
  int error_ = 0;
  std::vector<char> buffer_;
};

class EscapingBuffer final : public std::streambuf {
 public:
  explicit EscapingBuffer(std::streambuf& target) : target_(target) {}
  ~EscapingBuffer() override;
  EscapingBuffer(const EscapingBuffer&) = delete;
  EscapingBuffer& operator=(const EscapingBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize size) override;
  int sync() override { return target_.pubsync(); }

 private:
  std::streambuf& target_;
  // A last byte that may begin a two-byte control character: the next write decides.
  std::string held_;
};

// A result told: a result that is not Done says why on stderr (cli_texts.h lineFor), and the
// exit status follows from its kind (0 Done, 1 anything else).
int tell(Context& context, const Result& result, std::string_view notFound = {}, std::string_view parentGone = {});
// A lookup that found no record names what it did not find.
int tell(Context& context, const LookupResult& result);

// Whether the open descriptor `fd` and the file at `path` are the same file (device and inode).
bool isSameFile(int fd, const std::filesystem::path& path);

}  // namespace strikepad::cli
