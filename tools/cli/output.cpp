#include "output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <ostream>

#include "cli_texts.h"
#include "names.h"

namespace strikepad::cli {

namespace {

constexpr std::size_t kOutputBufferSize = 64 * 1024;

// The first byte of a C1 control in UTF-8.
constexpr char kC1Lead = '\xc2';

}  // namespace

CheckedOutputBuffer::CheckedOutputBuffer(int fd) : fd_(fd), buffer_(kOutputBufferSize) {
  if (::fcntl(fd_, F_GETFD) < 0) unusable_ = errno;
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

CheckedOutputBuffer::int_type CheckedOutputBuffer::overflow(int_type c) {
  if (!drain()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int CheckedOutputBuffer::sync() { return drain() ? 0 : -1; }

bool CheckedOutputBuffer::drain() {
  const char* next = pbase();
  const char* const end = pptr();
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  if (next != end && error_ == 0) error_ = unusable_;
  while (next != end && error_ == 0) {
    const ssize_t written = ::write(fd_, next, static_cast<std::size_t>(end - next));
    if (written > 0) {
      next += written;
    } else if (written < 0 && errno != EINTR) {
      error_ = errno;
    }
  }
  return error_ == 0;
}

EscapingBuffer::~EscapingBuffer() {
  if (!held_.empty()) target_.sputn(held_.data(), static_cast<std::streamsize>(held_.size()));
}

EscapingBuffer::int_type EscapingBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char byte = traits_type::to_char_type(c);
  return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
}

std::streamsize EscapingBuffer::xsputn(const char* text, std::streamsize size) {
  std::string whole = std::move(held_) + std::string(text, static_cast<std::size_t>(size));
  held_.clear();
  if (!whole.empty() && whole.back() == kC1Lead) {
    held_ = kC1Lead;
    whole.pop_back();
  }
  const std::string shown = printableLines(whole);
  const auto length = static_cast<std::streamsize>(shown.size());
  return target_.sputn(shown.data(), length) == length ? size : 0;
}

int tell(Context& context, const Result& result, std::string_view notFound, std::string_view parentGone) {
  if (result.done()) return kDone;
  const std::string line = texts::lineFor(result, context.catalogue.string(), notFound, parentGone);
  if (!line.empty()) context.err << line << "\n";
  return kRefused;
}

int tell(Context& context, const LookupResult& result) {
  return tell(context, result, texts::noSuch(result.missing, result.name));
}

bool isSameFile(int fd, const std::filesystem::path& path) {
  struct stat open {};
  struct stat named {};
  return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
         open.st_ino == named.st_ino;
}

}  // namespace strikepad::cli
