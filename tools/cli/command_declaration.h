#pragma once
// A command of strikepad-cli, declared once: the usage, its help, the argument checks and the
// shell completion's lists all come from its declaration.

#include <span>
#include <string_view>

#include "cli.h"

namespace strikepad::cli {

struct CommandOption {
  std::string_view name;  // "--json"
  std::string_view help;
};

struct Declaration {
  std::string_view name;
  // The command's forms, one a line after its name: lower-case words stand for themselves,
  // upper-case ones for a value ([VALUE] may be left out, at the end). A SLOT is 1 to 5;
  // GAME, CHARACTER, COMBO, NAME and NEW are names; FILE, SCRIPTFILE and HEX are not checked.
  std::span<const std::string_view> forms;
  std::span<const CommandOption> options;
  std::string_view summary;  // one line, for the list of commands
  std::string_view help;     // the rest of what `COMMAND --help` says
  int (*run)(Context&);
};

// Every command, in the order the usage lists them.
std::span<const Declaration> declarations();
// The command of that name; nullptr when there is none.
const Declaration* findDeclaration(std::string_view name);

}  // namespace strikepad::cli
