#pragma once
// Runs the built strikepad-cli as a separate process, the way a user's shell would.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace strikepad::testing {

struct CliResult {
  int exitCode;     // the exit status, or 128 + signal when the program was killed
  std::string out;  // standard output, byte for byte
  std::string err;  // standard error
};

// Runs strikepad-cli with the arguments (no shell in between), the given standard input, and
// workDir as its current folder when one is given (where it looks for sp.dat). A run that
// hangs is killed after a minute (exit code 128 + 9).
CliResult runCli(const std::vector<std::string>& args, std::string_view input = {},
                 const std::filesystem::path& workDir = {});

}  // namespace strikepad::testing
