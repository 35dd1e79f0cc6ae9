#include "combo/script_warnings.h"

namespace strikepad {
namespace {

// Enough to show what is wrong without the lines crowding out the script.
constexpr std::size_t kWarningLinesShown = 5;

}  // namespace

std::string warningSummary(const std::vector<ScriptWarning>& warnings) {
  const bool cut = warnings.size() > kWarningLinesShown;
  const std::size_t shown = cut ? kWarningLinesShown - 1 : warnings.size();
  std::string lines;
  for (std::size_t i = 0; i < shown; ++i) {
    if (i > 0) lines += '\n';
    lines += warnings[i].message;
  }
  if (cut) lines += "\nand " + std::to_string(warnings.size() - shown) + " more warnings";
  return lines;
}

std::string storeWithWarningsQuestion(const std::vector<ScriptWarning>& warnings) {
  return warningSummary(warnings) + "\n\nStore the combo with these values?";
}

}  // namespace strikepad
