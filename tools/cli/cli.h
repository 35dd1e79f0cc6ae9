#pragma once
// strikepad-cli: the catalogue, scripts, exchange files and the adapter's slots from a shell.

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace strikepad::cli {

enum ExitCode : int { kDone = 0, kRefused = 1, kBadUsage = 2 };

struct Context {
  std::filesystem::path catalogue;  // sp.dat in the current folder unless --catalogue FILE
  std::vector<std::string> args;    // the command's words, the command name first, options taken out
  std::istream& in;
  std::ostream& out;       // checked: main reports a write that failed
  std::ostream& err;       // control characters escaped, but the line end
  std::ostream& terminal;  // stderr as it is, for the progress line that returns to its start
  bool errIsTerminal = false;  // progress is shown on stderr only when someone watches it
  // The commands' own options: list --json, show --hex, import --yes.
  bool json = false;
  bool hex = false;
  bool yes = false;
};

// The whole of the file named by the command's word `index`, or of standard input when the
// command has no such word; none, after telling the user, when it cannot be opened or read.
std::optional<std::string> readInput(Context& context, std::size_t index);

// Each returns an ExitCode.
int runScript(Context& context);     // script parse|print
int runCatalogue(Context& context);  // init, list, add, delete, rename
int runExchange(Context& context);   // export, import
int runSlot(Context& context);       // slot read|write
int runShow(Context& context);       // show
int runDownload(Context& context);   // download
int runCapture(Context& context);    // capture
int runReload(Context& context);     // reload
int runHistory(Context& context);    // history, undo

}  // namespace strikepad::cli
