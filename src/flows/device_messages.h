#pragma once
// The texts the window's device commands show, exactly as the user sees them (those the command
// line shows too are in operations/shared_texts.h).

#include <string>

namespace strikepad::device_messages {

inline constexpr const char* kBusy = "Device is busy,please wait a moment.";
inline constexpr const char* kComboListEmpty = "your Ultra/Super Combos list is empty.";
inline constexpr const char* kSelectComboFirst = "your need to select a Ultra/Super Combos as first.";
inline constexpr const char* kCharacterListEmpty = "Character list is empty";
inline constexpr const char* kSelectCharacterFirst = "Select a Character at first";
inline constexpr const char* kComboNameCaption = "Input Ultra/Super Combos Name";
inline constexpr const char* kComboNameInitial = "Ultra/Super Combos Name";

// `port` is the slot as the user sees it, 1..5.
inline std::string downloadQuestion(const std::string& name, int port) {
  return "do you want to download Ultra/Super Combos: " + name + " to Port " + std::to_string(port);
}
inline std::string reloadQuestion(const std::string& name, int port) {
  return "do you want to reload Ultra/Super Combos: " + name + " from Port " + std::to_string(port);
}

}  // namespace strikepad::device_messages
