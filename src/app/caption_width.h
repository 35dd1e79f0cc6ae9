#pragma once
// How wide a dialog must be for the window system to show its whole caption. Qt sizes dialogs
// to their contents alone, so a short text under a long caption gets a title bar that cuts it.

#include <QString>

namespace strikepad {

// The caption in the platform's title font, made bold as many title bars draw it, and the
// room the title bar's icon and buttons take.
int captionWidth(const QString& caption);

}  // namespace strikepad
