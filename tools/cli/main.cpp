// strikepad-cli: the window's commands from a shell. The options are read here; the command's
// words are checked against its declaration (cli_commands.cpp) before it runs.

#include <getopt.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"
#include "cli_texts.h"
#include "command_declaration.h"
#include "command_forms.h"
#include "operations/catalogue_file.h"
#include "output.h"

namespace {

using namespace strikepad::cli;

enum LongOnly : int {
  kCatalogueOption = 256,
  kVersionOption,
  kJsonOption,
  kHexOption,
  kYesOption,
  kCommandsQuery,
  kOptionsQuery,
  kArgumentsQuery,
};

constexpr option kOptions[] = {
    {"catalogue", required_argument, nullptr, kCatalogueOption},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, kVersionOption},
    {"json", no_argument, nullptr, kJsonOption},
    {"hex", no_argument, nullptr, kHexOption},
    {"yes", no_argument, nullptr, kYesOption},
    // For the shell completion: the commands, and a command's options and forms, one a line.
    {"commands", no_argument, nullptr, kCommandsQuery},
    {"options", required_argument, nullptr, kOptionsQuery},
    {"arguments", required_argument, nullptr, kArgumentsQuery},
    {nullptr, 0, nullptr, 0},
};

constexpr std::string_view kCommonOptions[] = {"--catalogue", "--help", "--version"};

// What the command line asks for besides a command.
struct Request {
  bool help = false;
  bool version = false;
  int query = 0;  // kCommandsQuery, kOptionsQuery or kArgumentsQuery
  std::string queried;
  std::string problem;                          // the first option problem
  std::vector<std::string_view> commandOptions;  // "--json" ...
};

Request readOptions(int argc, char** argv, Context& context) {
  Request request;
  opterr = 0;  // the problems are told later, after -h has had its chance
  for (int option; (option = getopt_long(argc, argv, ":h", kOptions, nullptr)) != -1;) {
    switch (option) {
      case 'h': request.help = true; break;
      case kVersionOption: request.version = true; break;
      case kCatalogueOption: context.catalogue = strikepad::catalogueFileAt(optarg); break;
      case kJsonOption: context.json = true; request.commandOptions.push_back("--json"); break;
      case kHexOption: context.hex = true; request.commandOptions.push_back("--hex"); break;
      case kYesOption: context.yes = true; request.commandOptions.push_back("--yes"); break;
      case kCommandsQuery:
      case kOptionsQuery:
      case kArgumentsQuery:
        request.query = option;
        if (optarg) request.queried = optarg;
        break;
      // The first problem is told.
      case ':':
        if (request.problem.empty()) request.problem = texts::optionNeedsValue(argv[optind - 1]);
        break;
      default:
        if (request.problem.empty()) request.problem = texts::unknownOption(argv[optind - 1]);
        break;
    }
  }
  return request;
}

int badUsage(Context& context, const std::string& problem, std::string_view usage) {
  context.err << problem << "\n" << usage;
  return kBadUsage;
}

// The completion's questions: every command, or one command's options or forms, one a line.
int answerQuery(Context& context, const Request& request) {
  if (request.query == kCommandsQuery) {
    for (const Declaration& command : declarations()) context.out << command.name << "\n";
    return kDone;
  }
  const Declaration* command = findDeclaration(request.queried);
  if (!command) return badUsage(context, texts::unknownCommand(request.queried), programUsage());
  if (request.query == kArgumentsQuery) {
    for (const std::string_view form : command->forms) context.out << form << "\n";
    return kDone;
  }
  for (const std::string_view option : kCommonOptions) context.out << option << "\n";
  for (const CommandOption& option : command->options) context.out << option.name << "\n";
  return kDone;
}

// Reads the command line and runs the command it names; its exit status.
int run(int argc, char** argv, Context& context) {
  const Request request = readOptions(argc, argv, context);
  // Whatever the command, its output never overwrites the catalogue it works on.
  if (isSameFile(STDOUT_FILENO, context.catalogue)) {
    context.err << texts::outputIsCatalogue(context.catalogue.string()) << "\n";
    return kRefused;
  }
  context.args.assign(argv + optind, argv + argc);
  const Declaration* command = context.args.empty() ? nullptr : findDeclaration(context.args.front());
  if (request.help) {
    context.out << (command ? helpOf(*command) : programUsage());
    return kDone;
  }
  if (request.version) {
    context.out << "strikepad-cli " << STRIKEPAD_VERSION << "\n";
    return kDone;
  }
  if (!request.problem.empty()) return badUsage(context, request.problem, command ? usageOf(*command) : programUsage());
  if (request.query) return answerQuery(context, request);
  if (context.args.empty()) return badUsage(context, std::string(texts::kNoCommand), programUsage());
  if (!command) return badUsage(context, texts::unknownCommand(context.args.front()), programUsage());
  for (const std::string_view option : request.commandOptions) {
    if (std::ranges::find(command->options, option, &CommandOption::name) == command->options.end())
      return badUsage(context, texts::optionNotFor(option, command->name), usageOf(*command));
  }
  const FormCheck check = checkWords(*command, {context.args.begin() + 1, context.args.end()});
  for (const std::string& problem : check.problems) context.err << problem << "\n";
  if (check.shapeWrong) context.err << usageOf(*command);
  if (!check.problems.empty()) return kBadUsage;
  return command->run(context);
}

}  // namespace

namespace strikepad::cli {

int runHelp(Context& context) {
  const Declaration* command = context.args.size() == 2 ? findDeclaration(context.args[1]) : nullptr;
  if (context.args.size() == 2 && !command)
    return badUsage(context, texts::unknownCommand(context.args[1]), programUsage());
  context.out << (command ? helpOf(*command) : programUsage());
  return kDone;
}

}  // namespace strikepad::cli

int main(int argc, char** argv) {
  // Made first: a descriptor closed at start is known before any file can take its number.
  CheckedOutputBuffer checkedOut(STDOUT_FILENO);
  std::ostream out(&checkedOut);
  EscapingBuffer escapedErr(*std::cerr.rdbuf());
  std::ostream err(&escapedErr);
  Context context{"sp.dat", {}, std::cin, out, err, std::cerr};
  context.errIsTerminal = isatty(STDERR_FILENO) == 1;
  context.inIsTerminal = isatty(STDIN_FILENO) == 1;
  const int status = run(argc, argv, context);
  // Output that was not written is no command done.
  out.flush();
  if (checkedOut.error() == 0) return status;
  err << texts::canNotWriteOutput(std::strerror(checkedOut.error())) << "\n";
  return kRefused;
}
