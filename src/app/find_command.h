#pragma once
// Ctrl+F: the find box over the window's catalogue, and the match chosen selected in the three
// lists as a user would pick it (the game, then its character, then the combo), each list
// refilled below the one picked.

class QWidget;

namespace strikepad {

class Catalogue;

// Shows the find box over `window`; selects what the user chose, if anything.
void runFindBox(QWidget& window, Catalogue& catalogue);

}  // namespace strikepad
