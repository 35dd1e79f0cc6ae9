#pragma once
// The window's texts of Ctrl+Z, in one place beside its flow (history_commands.cpp).

#include <string>

#include "catalogue/undo.h"

namespace strikepad::history_texts {

inline constexpr const char* kNothingToUndo = "There is nothing to undo.";

// "Undo the delete of Character: Ryu of Street Fighter IV (2 combos)?"
inline std::string undoQuestion(const Change& change) { return "Undo " + describe(change) + "?"; }

// "Can not undo <change>: <reason>." The command line's words are the same
// (operations/shared_texts.h undoRefusal): the two become one when this flow runs on the operations.
inline std::string refusalText(const UndoResult& result) {
  return "Can not undo " + describe(result.change) + ": " + result.reason + ".";
}

}  // namespace strikepad::history_texts
