#pragma once
// The window's texts for the catalogue's commands, exactly as the user sees them, and how the
// window tells what an operation came to.

#include <string>

#include "flows/prompts.h"
#include "operations/outcome.h"
#include "operations/shared_texts.h"

namespace strikepad::messages {

inline constexpr const char* kReuseGameQuestion =
    "This game name is always exist,so if your records of Ultra/Super Combos with same name will be "
    "replaced,\ncontinue?";
inline constexpr const char* kDeleteGameQuestion = "do you want to delete Game: ";
inline constexpr const char* kDeleteRoleQuestion = "do you want to delete Role: ";
inline constexpr const char* kDeleteComboQuestion = "do you want to delete Ultra/Super Combos: ";
inline constexpr const char* kDeleteComboCaption = "Warning";

inline constexpr const char* kGameNameCaption = "Input Game Name";
inline constexpr const char* kGameNameInitial = "Game Name";
inline constexpr const char* kCharacterNameCaption = "Input Character Name";
inline constexpr const char* kCharacterNameInitial = "Character Name";
inline constexpr const char* kComboNameCaption = "Input Ultra/Super Combos Name";
inline constexpr const char* kComboNameInitial = "Ultra/Super Combos Name";

inline constexpr const char* kGameListEmpty = "Game list is empty.";
inline constexpr const char* kSelectGameFirst = "Select a game at first";
inline constexpr const char* kCharacterListEmpty = "Character list is empty";
inline constexpr const char* kSelectRoleFirst = "Select a role at first";

inline constexpr const char* kDuplicateName = shared_texts::kDuplicateName;
// An add or rename found the parent it works under deleted by another program meanwhile.
inline constexpr const char* kGameGone = shared_texts::kGameGone;
inline constexpr const char* kCharacterGone = shared_texts::kCharacterGone;
// An edited combo was deleted by another program while its script was open.
inline constexpr const char* kComboGone = "The combo was deleted by another program.";
// A paste that stores nothing, and why: "Nothing pasted: time error in line 2."
inline std::string pasteRefused(const std::string& reason) { return "Nothing pasted: " + reason + "."; }

}  // namespace strikepad::messages

namespace strikepad {

// Tells the user why an operation did nothing: a taken name, the vanished parent (`parentGone`:
// nullptr for games, which have none), or the store error report of a failure. Done, and
// NotFound (the caller shows the catalogue as it is now), say nothing.
inline void presentRefusal(Prompts& prompts, const Result& result, const char* parentGone) {
  switch (result.outcome) {
    case Outcome::NameTaken: return prompts.notice(messages::kDuplicateName);
    case Outcome::ParentGone:
      if (parentGone) prompts.notice(parentGone);
      return;
    case Outcome::Failed:
      if (!result.reason.empty()) prompts.warning(result.reason);
      return;
    default: return;
  }
}

}  // namespace strikepad
