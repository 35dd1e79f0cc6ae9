// strikepad-cli: the window's commands from a shell. The options are read here; each command
// reads its own words.

#include <getopt.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"
#include "output.h"

namespace {

using namespace strikepad::cli;

constexpr std::string_view kUsage =
    "usage: strikepad-cli [OPTIONS] COMMAND ...   (options may also follow the command; -- ends them)\n"
    "  script parse [FILE]              script text to a block (720 hex digits)\n"
    "  script print [HEX]               a block to script text\n"
    "  init [FILE]                      a new, empty catalogue\n"
    "  list [--json]                    the catalogue, one record a line, or as one JSON document\n"
    "  add game NAME | add character GAME NAME | add combo GAME CHARACTER NAME [SCRIPTFILE]\n"
    "  delete game GAME | delete character GAME NAME | delete combo GAME CHARACTER NAME\n"
    "  rename game GAME NEW | rename character GAME NAME NEW | rename combo GAME CHARACTER NAME NEW\n"
    "  show GAME CHARACTER COMBO [--hex]   a stored combo as script text (or 720 hex digits)\n"
    "  export GAME FILE|-               a game to an .SPK file (- for standard output)\n"
    "  import FILE|- [--yes]            an .SPK file (- for standard input); --yes reuses the game\n"
    "  slot read SLOT | slot write SLOT [HEX]   the adapter's memory slots 1 to 5\n"
    "  download GAME CHARACTER COMBO SLOT      a stored combo into a slot\n"
    "  capture SLOT GAME CHARACTER NAME        a slot into a new combo\n"
    "  reload SLOT GAME CHARACTER COMBO        a slot into a stored combo\n"
    "  history | undo                   the recent deletes and replaced blocks; undo the newest\n"
    "options:\n"
    "  --catalogue FILE   the catalogue to work on (sp.dat in the current folder without it)\n"
    "  -h, --help         this text\n"
    "  --version          the program's name and version\n"
    "exit status: 0 the command did what it says; 1 it ran and was refused or failed (a name\n"
    "  taken or missing, a script with an error, a file that cannot be read or is damaged, no\n"
    "  adapter, a failed transfer); 2 the command line is wrong (an unknown command or option,\n"
    "  missing or extra arguments, a malformed slot number or hex block, a name holding control\n"
    "  characters)\n"
    "STRIKEPAD_ADAPTER=simulated:FILE uses a simulated adapter that keeps its slots in FILE.\n";

struct Command {
  std::string_view name;
  int (*run)(Context&);
};

// Adding a command: one line here, one in the usage above.
constexpr Command kCommands[] = {
    {"script", runScript},     {"init", runCatalogue},    {"list", runCatalogue},   {"add", runCatalogue},
    {"delete", runCatalogue},  {"rename", runCatalogue},  {"show", runShow},        {"export", runExchange},
    {"import", runExchange},   {"slot", runSlot},         {"download", runDownload}, {"capture", runCapture},
    {"reload", runReload},     {"history", runHistory},   {"undo", runHistory},
};

enum LongOnly : int { kCatalogueOption = 256, kVersionOption, kJsonOption, kHexOption, kYesOption };

constexpr option kOptions[] = {
    {"catalogue", required_argument, nullptr, kCatalogueOption},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, kVersionOption},
    {"json", no_argument, nullptr, kJsonOption},
    {"hex", no_argument, nullptr, kHexOption},
    {"yes", no_argument, nullptr, kYesOption},
    {nullptr, 0, nullptr, 0},
};

// The option each command takes besides the common ones, for the refusal of the others.
bool takesOption(std::string_view command, int option) {
  switch (option) {
    case kJsonOption: return command == "list";
    case kHexOption: return command == "show";
    case kYesOption: return command == "import";
    default: return true;
  }
}

int badUsage(Context& context, const std::string& problem) {
  context.err << problem << "\n" << kUsage;
  return kBadUsage;
}

// Reads the command line and runs the command it names; its exit status.
int run(int argc, char** argv, Context& context) {
  bool help = false;
  bool version = false;
  std::string problem;
  std::vector<int> commandOptions;
  opterr = 0;  // the problems are told below, after -h has had its chance
  for (int option; (option = getopt_long(argc, argv, ":h", kOptions, nullptr)) != -1;) {
    switch (option) {
      case 'h': help = true; break;
      case kVersionOption: version = true; break;
      case kCatalogueOption: context.catalogue = optarg; break;
      case kJsonOption: context.json = true; commandOptions.push_back(option); break;
      case kHexOption: context.hex = true; commandOptions.push_back(option); break;
      case kYesOption: context.yes = true; commandOptions.push_back(option); break;
      // The first problem is told.
      case ':':
        if (problem.empty()) problem = std::string(argv[optind - 1]) + " needs a value";
        break;
      default:
        if (problem.empty()) problem = "unknown option " + std::string(argv[optind - 1]);
        break;
    }
  }
  // Whatever the command, its output never overwrites the catalogue it works on.
  if (isSameFile(STDOUT_FILENO, context.catalogue)) {
    context.err << "standard output is the catalogue " << context.catalogue.string()
                << ": nothing was done; send the output to another file\n";
    return kRefused;
  }
  if (help) {
    context.out << kUsage;
    return kDone;
  }
  if (version) {
    context.out << "strikepad-cli " << STRIKEPAD_VERSION << "\n";
    return kDone;
  }
  if (!problem.empty()) return badUsage(context, problem);
  context.args.assign(argv + optind, argv + argc);
  if (context.args.empty()) return badUsage(context, "no command given");
  const std::string& name = context.args.front();
  const auto command = std::ranges::find(kCommands, name, &Command::name);
  if (command == std::end(kCommands)) return badUsage(context, "unknown command: " + name);
  for (int option : commandOptions) {
    if (!takesOption(name, option)) {
      const auto* known = std::ranges::find_if(kOptions, [option](const struct option& o) { return o.val == option; });
      return badUsage(context, "--" + std::string(known->name) + " does not go with " + name);
    }
  }
  return command->run(context);
}

}  // namespace

int main(int argc, char** argv) {
  // Made first: a descriptor closed at start is known before any file can take its number.
  CheckedOutputBuffer checkedOut(STDOUT_FILENO);
  std::ostream out(&checkedOut);
  EscapingBuffer escapedErr(*std::cerr.rdbuf());
  std::ostream err(&escapedErr);
  Context context{"sp.dat", {}, std::cin, out, err, std::cerr};
  context.errIsTerminal = isatty(STDERR_FILENO) == 1;
  const int status = run(argc, argv, context);
  // Output that was not written is no command done.
  out.flush();
  if (checkedOut.error() == 0) return status;
  err << "can not write standard output: " << std::strerror(checkedOut.error()) << "\n";
  return kRefused;
}
