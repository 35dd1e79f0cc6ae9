#include <iostream>
#include <string>
#include <string_view>

#include "cli.h"

namespace {

constexpr std::string_view kUsage =
    "usage: strikepad-cli [--catalogue FILE] COMMAND ...\n"
    "  script parse [FILE]              script text to a block (720 hex digits)\n"
    "  script print [HEX]               a block to script text\n"
    "  init [FILE]                      a new, empty catalogue\n"
    "  list                             the catalogue, one record a line\n"
    "  add game NAME | add character GAME NAME | add combo GAME CHARACTER NAME [SCRIPTFILE]\n"
    "  delete game GAME | delete character GAME NAME | delete combo GAME CHARACTER NAME\n"
    "  rename game GAME NEW | rename character GAME NAME NEW | rename combo GAME CHARACTER NAME NEW\n"
    "  export GAME FILE|-               a game to an .SPK file (- for standard output)\n"
    "  import FILE [--yes]              an .SPK file into the catalogue\n"
    "  slot read SLOT | slot write SLOT HEX   the adapter's memory slots 1 to 5\n"
    "  history | undo                   the recent deletes and replaced blocks; undo the newest\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace strikepad::cli;
  Context context{"sp.dat", {}, std::cin, std::cout, std::cerr};
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--catalogue" && context.args.empty()) {
      if (++i == argc) break;
      context.catalogue = argv[i];
    } else if ((arg == "--help" || arg == "-h") && context.args.empty()) {
      std::cout << kUsage;
      return kDone;
    } else {
      context.args.emplace_back(arg);
    }
  }
  if (context.args.empty()) {
    std::cerr << kUsage;
    return kBadUsage;
  }
  const std::string& command = context.args.front();
  if (command == "script") return runScript(context);
  if (command == "init" || command == "list" || command == "add" || command == "delete" || command == "rename")
    return runCatalogue(context);
  if (command == "export" || command == "import") return runExchange(context);
  if (command == "slot") return runSlot(context);
  if (command == "history" || command == "undo") return runHistory(context);
  std::cerr << "unknown command: " << command << "\n" << kUsage;
  return kBadUsage;
}
