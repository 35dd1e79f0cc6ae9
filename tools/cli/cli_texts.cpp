#include "cli_texts.h"

namespace strikepad::cli::texts {

namespace {

std::string joined(std::string_view first, std::string_view second) { return std::string(first) + std::string(second); }

// How the user makes a catalogue where `file` is.
std::string initFor(std::string_view file) {
  return file == "sp.dat" ? "strikepad-cli init" : "strikepad-cli init " + std::string(file);
}

}  // namespace

std::string unknownCommand(std::string_view name) { return joined("unknown command: ", name); }
std::string unknownOption(std::string_view option) { return joined("unknown option ", option); }
std::string optionNeedsValue(std::string_view option) { return joined(option, " needs a value"); }
std::string optionNotFor(std::string_view option, std::string_view command) {
  return joined(option, " does not go with ") + std::string(command);
}
std::string missingValue(std::string_view value) { return joined("missing ", value); }
std::string extraWord(std::string_view word) { return joined("one word too many: ", word); }
std::string unknownWord(std::string_view command, std::string_view word, std::string_view choices) {
  if (word.empty()) return joined(command, " needs ") + std::string(choices);
  return joined(command, " takes ") + std::string(choices) + ", not " + std::string(word);
}

const std::string_view kProgramUsageHead =
    "usage: strikepad-cli [OPTIONS] COMMAND ...   (options may also follow the command; -- ends them)\n"
    "commands (strikepad-cli COMMAND --help, or strikepad-cli help COMMAND, tells more of one):\n";
const std::string_view kProgramUsageTail =
    "options:\n"
    "  --catalogue FILE   the catalogue to work on, or a folder holding its sp.dat (sp.dat in the\n"
    "                     current folder without it)\n"
    "  -h, --help         this text, or a command's help after the command\n"
    "  --version          the program's name and version\n"
    "exit status: 0 the command did what it says; 1 it ran and was refused or failed (a name\n"
    "  taken or missing, a script with an error, a file that cannot be read or is damaged, no\n"
    "  adapter, a failed transfer); 2 the command line is wrong (an unknown command or option,\n"
    "  missing or extra arguments, a malformed slot number or hex block, a name holding control\n"
    "  characters)\n"
    "STRIKEPAD_ADAPTER=simulated:FILE uses a simulated adapter that keeps its slots in FILE.\n";

std::string outputIsCatalogue(std::string_view file) {
  return joined("standard output is the catalogue ", file) + ": nothing was done; send the output to another file";
}
std::string canNotWriteOutput(std::string_view reason) { return joined("can not write standard output: ", reason); }

std::string noCatalogue(std::string_view file) {
  return joined("no catalogue at ", file) + "; " + initFor(file) + " makes an empty one";
}
std::string notACatalogue(std::string_view file) {
  return joined(file, " is not a strikepad catalogue; move it aside, then ") + initFor(file) + " makes an empty one";
}
std::string noSuch(std::string_view level, std::string_view name) {
  return joined("no ", level) + " named " + std::string(name);
}

std::string badBlock(std::string_view problem) { return joined("bad block: ", problem); }
std::string comboHoldsNoData(std::string_view name) { return joined("combo ", name) + " holds no data"; }

std::string undone(std::string_view describedChange) { return joined("undone: ", describedChange); }

std::string holdsNoGame(std::string_view file) { return joined(file, " holds no game."); }

std::string chunkProgress(int done, int total) {
  return "chunk " + std::to_string(done) + " of " + std::to_string(total);
}

std::string lineFor(const Result& result, std::string_view file, std::string_view notFound,
                    std::string_view parentGone) {
  switch (result.outcome) {
    case Outcome::Done:
    case Outcome::NeedsConfirmation: return {};
    case Outcome::NameTaken: return shared_texts::kDuplicateName;
    case Outcome::ParentGone: return std::string(parentGone);
    case Outcome::NotFound: return std::string(notFound);
    case Outcome::Refused: return result.reason;
    case Outcome::Failed: break;
  }
  return result.reason.empty() ? std::string() : joined(file, ": ") + result.reason;
}

}  // namespace strikepad::cli::texts
