#pragma once
// Every line strikepad-cli writes of its own, in one table: plain lines for a shell. The texts
// the window shows too come from operations/shared_texts.h.

#include <string>
#include <string_view>

#include "operations/outcome.h"
#include "operations/shared_texts.h"

namespace strikepad::cli::texts {

// The command line.
inline constexpr std::string_view kNoCommand = "no command given";
inline constexpr std::string_view kSlotRange = "slot must be 1 to 5";
std::string unknownCommand(std::string_view name);
std::string unknownOption(std::string_view option);
std::string optionNeedsValue(std::string_view option);
std::string optionNotFor(std::string_view option, std::string_view command);
std::string missingValue(std::string_view value);
std::string extraWord(std::string_view word);
// A command whose first word is not one of `choices`; `word` is empty when there is none.
std::string unknownWord(std::string_view command, std::string_view word, std::string_view choices);
extern const std::string_view kProgramUsageHead;
extern const std::string_view kProgramUsageTail;
std::string outputIsCatalogue(std::string_view file);
std::string canNotWriteOutput(std::string_view reason);

// The catalogue file.
std::string noCatalogue(std::string_view file);
std::string notACatalogue(std::string_view file);
std::string noSuch(std::string_view level, std::string_view name);

// Scripts and blocks.
inline constexpr std::string_view kScriptHoldsNoStep = "the script holds no step; nothing stored";
inline constexpr std::string_view kWaitingForScript =
    "reading the combo's script from standard input: type one step a line, then Ctrl+D at the start of a line "
    "to end it";
std::string badBlock(std::string_view problem);
std::string comboHoldsNoData(std::string_view name);

// History.
inline constexpr std::string_view kNothingToUndo = "nothing to undo";
std::string undone(std::string_view describedChange);

// Exchange files.
inline constexpr std::string_view kAnsweredYes = " [answered Yes]";
inline constexpr std::string_view kAnsweredNo = " [answered No: --yes reuses the game]";
std::string holdsNoGame(std::string_view file);

// The adapter's progress: "chunk 3 of 8".
std::string chunkProgress(int done, int total);

// The line that says why `result` did nothing, for a result that is not Done: its reason (a
// failure of the catalogue `file` begins with the file's name), or `notFound` or `parentGone`
// as the outcome says. Empty when there is nothing to say.
std::string lineFor(const Result& result, std::string_view file, std::string_view notFound = {},
                    std::string_view parentGone = {});

}  // namespace strikepad::cli::texts
