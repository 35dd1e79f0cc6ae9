#pragma once
// Copy and Paste of a combo (commands 116 and 117) on the system clipboard, which carries a
// combo between windows on different catalogues: the script as plain text, for chat and
// forums, and the stored block under the program's own type.

#include <memory>

#include "operations/clipboard_combo.h"

class QMimeData;

namespace strikepad {

class Catalogue;

inline constexpr const char* kComboMimeType = "application/x-strikepad-combo";

std::unique_ptr<QMimeData> mimeDataOf(const ClipboardCombo& combo);
// What a paste reads: the block when the type is there, and the text.
ClipboardCombo clipboardComboOf(const QMimeData& data);

// The selected combo onto the clipboard; the clipboard's combo under the selected character.
void copyComboToClipboard(Catalogue& catalogue);
void pasteComboFromClipboard(Catalogue& catalogue);

}  // namespace strikepad
