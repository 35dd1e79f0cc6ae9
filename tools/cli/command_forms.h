#pragma once
// A command's words checked against its declared forms, and its usage and help drawn from them.

#include <string>
#include <vector>

#include "command_declaration.h"

namespace strikepad::cli {

struct FormCheck {
  // The words do not fit any form: the usage follows the problem.
  bool shapeWrong = false;
  // What is wrong, one line each; none when the words fit.
  std::vector<std::string> problems;
};

// `words`: the command's words after its name.
FormCheck checkWords(const Declaration& command, const std::vector<std::string>& words);

// "usage: strikepad-cli add game NAME\n       strikepad-cli add character GAME NAME\n..."
std::string usageOf(const Declaration& command);
// The usage, the summary, the help and the command's options.
std::string helpOf(const Declaration& command);
// The program's usage: every command with its summary, the common options, the exit statuses.
std::string programUsage();

}  // namespace strikepad::cli
