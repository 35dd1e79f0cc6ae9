#pragma once
// The parser's warnings as the user reads them before a combo is stored with them: the script
// editor's OK and a paste ask with the same lines.

#include <string>
#include <vector>

#include "combo/script_parser.h"

namespace strikepad {

// The warnings one a line, cut short with a count of the rest so that a long script full of
// them keeps a status line or a question readable.
std::string warningSummary(const std::vector<ScriptWarning>& warnings);

// The question before a combo is stored with values other than written.
std::string storeWithWarningsQuestion(const std::vector<ScriptWarning>& warnings);

}  // namespace strikepad
