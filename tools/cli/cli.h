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
  // The command's words, the command name first, options taken out; checked against the
  // command's declaration before it runs.
  std::vector<std::string> args;
  std::istream& in;
  std::ostream& out;       // checked: main reports a write that failed
  std::ostream& err;       // control characters escaped, but the line end
  std::ostream& terminal;  // stderr as it is, for the progress line that returns to its start
  bool errIsTerminal = false;  // progress is shown on stderr only when someone watches it
  bool inIsTerminal = false;   // someone types the input: they are told what it waits for
  // The commands' own options: list --json, show --hex, import --yes.
  bool json = false;
  bool hex = false;
  bool yes = false;
};

// The whole of the file named by the command's word `index`, or of standard input when the
// command has no such word; none, after telling the user, when it cannot be opened or read.
std::optional<std::string> readInput(Context& context, std::size_t index);

// The commands; each returns an ExitCode. Their words have been checked already.
int runScript(Context& context);
int runInit(Context& context);
int runList(Context& context);
int runFind(Context& context);
int runAdd(Context& context);
int runDelete(Context& context);
int runRename(Context& context);
int runShow(Context& context);
int runExport(Context& context);
int runImport(Context& context);
int runSlot(Context& context);
int runSlots(Context& context);
int runDownload(Context& context);
int runCapture(Context& context);
int runReload(Context& context);
int runHistory(Context& context);
int runUndo(Context& context);
int runHelp(Context& context);

}  // namespace strikepad::cli
