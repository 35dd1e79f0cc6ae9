#pragma once
// The main window's command numbers and the three context menus that carry them.

#include <span>

class QMenu;
class QWidget;

namespace strikepad {

enum Command : int {
  kAddCharacter = 101,
  kDeleteCharacter = 102,
  kRenameCharacter = 103,
  kDeleteCombo = 104,
  kRenameCombo = 105,
  kAddGame = 106,
  kDeleteGame = 107,
  kRenameGame = 108,
  kCaptureCombo = 109,  // read the chosen slot into a new combo
  kReloadCombo = 110,   // read the chosen slot into the selected combo
  kImportGame = 111,
  kExportGame = 112,
  kNewComboFromScript = 113,  // no menu item: reached by its keyboard shortcut
  kEditCombo = 114,           // the selected combo's script in the editor
  kUndo = 115,                // no menu item: the newest destructive change taken back (Ctrl+Z)
  kCopyCombo = 116,           // the selected combo onto the clipboard
  kPasteCombo = 117,          // the clipboard's combo stored under the selected character
};

struct MenuItem {
  const char* text;
  Command command;
};

inline constexpr MenuItem kGameMenu[] = {
    {"&Add", kAddGame}, {"&Delete", kDeleteGame}, {"&Rename", kRenameGame},
    {"&Import", kImportGame}, {"&Export", kExportGame}};
inline constexpr MenuItem kCharacterMenu[] = {
    {"&Add", kAddCharacter}, {"&Delete", kDeleteCharacter}, {"&Rename", kRenameCharacter}};
inline constexpr MenuItem kComboMenu[] = {
    {"&Add", kCaptureCombo}, {"&Reload", kReloadCombo}, {"&Delete", kDeleteCombo},
    {"&Rename", kRenameCombo}, {"&Edit", kEditCombo}, {"&Copy", kCopyCombo}, {"&Paste", kPasteCombo}};

// A popup menu of plain text items, each carrying its command number as its action's data.
QMenu* buildCommandMenu(std::span<const MenuItem> items, QWidget* parent);

}  // namespace strikepad
