#pragma once
// The window's texts of Ctrl+Z, in one place beside its flow (history_commands.cpp).

#include <string>

#include "history/change_history.h"
#include "operations/shared_texts.h"

namespace strikepad::history_texts {

inline constexpr const char* kNothingToUndo = "There is nothing to undo.";

// "Undo the delete of Character: Ryu of Street Fighter IV (2 combos)?"
inline std::string undoQuestion(const Change& change) { return "Undo " + describe(change) + "?"; }

// "Can not undo <change>: <reason>.", in the command line's words.
inline std::string refusalText(const Change& change, const std::string& reason) {
  return shared_texts::undoRefusal(describe(change), reason);
}

}  // namespace strikepad::history_texts
