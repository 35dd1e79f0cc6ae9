#pragma once
// The texts both front ends show word for word: written once, here.

#include <initializer_list>
#include <string>
#include <string_view>

namespace strikepad::shared_texts {

// "Street Fighter IV / Ryu / Hadouken": a record named after its game and character.
inline std::string recordPathText(std::initializer_list<std::string_view> names) {
  std::string text;
  for (const std::string_view name : names) (text.empty() ? text : text.append(" / ")).append(name);
  return text;
}

// An add or rename whose name the parent holds already.
inline constexpr const char* kDuplicateName = "This key name is always exist.";
// An add or rename whose parent another program deleted meanwhile.
inline constexpr const char* kGameGone = "The game was deleted by another program.";
inline constexpr const char* kCharacterGone = "The character was deleted by another program.";

// The adapter's lookups.
inline constexpr const char* kDeviceNotFound = "Can not find device.";
inline constexpr const char* kHidUnavailable = "Can not Open HID Device!";
inline std::string adapterNotOpened(const std::string& reason) {
  return "Found the adapter but can not open it (" + reason +
         "). Your login needs access to it: install the udev rule 60-strikepad.rules, then replug "
         "the adapter.";
}
// A slot transfer that failed.
inline constexpr const char* kDownloadFailed = "download failed";
inline constexpr const char* kReloadFailed = "reload failed";
inline constexpr const char* kReadFailed = "read device failed";
// A failed transfer's message, then the adapter's reason when it gave one.
inline std::string transferFailed(const char* message, const std::string& reason) {
  return reason.empty() ? std::string(message) : std::string(message) + ": " + reason;
}
// The question before an empty slot is stored; `port` is the slot as the user counts it, 1 to 5.
inline std::string emptySlotQuestion(int port) {
  return "slot " + std::to_string(port) + " is empty: store an empty combo?";
}

// An import onto a game of the file's name: the question the window asks, and the command line
// shows with its standing answer.
inline constexpr const char* kReuseGameQuestion =
    "This game name is always exist,so if your records of Ultra/Super Combos with same name will be "
    "replaced,\ncontinue?";

// An undo refused: "Can not undo the delete of Combo: Hadouken of Ryu: <reason>."
inline std::string undoRefusal(const std::string& describedChange, const std::string& reason) {
  return "Can not undo " + describedChange + ": " + reason + ".";
}

}  // namespace strikepad::shared_texts
