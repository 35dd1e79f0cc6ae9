#pragma once
// Runs the built strikepad-cli as a separate process, the way a user's shell would.

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace strikepad::testing {

struct CliResult {
  int exitCode;     // the exit status, or 128 + signal when the program was killed
  std::string out;  // standard output, byte for byte
  std::string err;  // standard error
};

// Standard output as a shell can set it up; by default a file of the runner's, given back as `out`.
struct StandardOutput {
  // As `>&-`.
  static StandardOutput closed() { return {true, {}}; }
  // As `1<> FILE`: opened to read and write, not truncated.
  static StandardOutput readWrite(std::filesystem::path file) { return {false, std::move(file)}; }

  bool isClosed = false;
  std::filesystem::path readWriteFile;
};

// Runs strikepad-cli with the arguments (no shell in between), the given standard input, and
// workDir as its current folder when one is given (where it looks for sp.dat). A run that
// hangs is killed after a minute (exit code 128 + 9).
CliResult runCli(const std::vector<std::string>& args, std::string_view input = {},
                 const std::filesystem::path& workDir = {}, const StandardOutput& output = {});

// The same with standard input a terminal on which `typed` has been typed ahead (Ctrl+D is
// "\x04" at the start of a line).
CliResult runCliTyping(const std::vector<std::string>& args, std::string_view typed,
                       const std::filesystem::path& workDir = {});

}  // namespace strikepad::testing
