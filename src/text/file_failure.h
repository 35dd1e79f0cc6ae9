#pragma once
// How a file that could not be opened, read or written is named to the user: its whole path
// (a name alone does not say which folder) and the system's reason, as strerror words it.

#include <filesystem>
#include <string>
#include <system_error>

namespace strikepad {

// The system's reason for the error number `number` (an errno value).
inline std::error_code systemReason(int number) { return {number, std::generic_category()}; }

// "/whole/path/of/the/file: reason"; the whole path alone when there is no reason.
inline std::string fileFailure(const std::filesystem::path& path, const std::error_code& reason) {
  std::error_code noFolder;
  const std::filesystem::path whole = std::filesystem::absolute(path, noFolder);
  std::string text = noFolder ? path.string() : whole.string();
  if (reason) text += ": " + reason.message();
  return text;
}

}  // namespace strikepad
