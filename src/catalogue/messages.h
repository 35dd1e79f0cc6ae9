#pragma once
// The texts the catalogue commands show, exactly as the user sees them.

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

// An add or rename found the parent it works under deleted by another program meanwhile.
inline constexpr const char* kGameGone = "The game was deleted by another program.";
inline constexpr const char* kCharacterGone = "The character was deleted by another program.";
// An edited combo was deleted by another program while its script was open.
inline constexpr const char* kComboGone = "The combo was deleted by another program.";

}  // namespace strikepad::messages
