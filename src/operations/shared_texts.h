#pragma once
// The texts both front ends show word for word: written once, here.

#include <string>

namespace strikepad::shared_texts {

// An add or rename whose name the parent holds already.
inline constexpr const char* kDuplicateName = "This key name is always exist.";
// No adapter attached.
inline constexpr const char* kDeviceNotFound = "Can not find device.";

// An undo refused: "Can not undo the delete of Combo: Hadouken of Ryu: <reason>."
inline std::string undoRefusal(const std::string& describedChange, const std::string& reason) {
  return "Can not undo " + describedChange + ": " + reason + ".";
}

}  // namespace strikepad::shared_texts
