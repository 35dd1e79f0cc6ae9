#pragma once
// Copy (command 116) and Paste (command 117) of a combo: what goes on the clipboard, and what
// a paste asks and stores, as plain values; the window moves them to and from the clipboard.

#include <optional>

#include "flows/catalogue_flows.h"
#include "operations/clipboard_combo.h"

namespace strikepad {

// The selected combo for the clipboard; nothing when none is selected or it cannot be read
// (after telling why).
std::optional<ClipboardCombo> OnCopyCombo(Catalogue& catalogue);

// Stores `content` under the selected character: refused with the reason, warnings accepted or
// declined, then the name asked as Add asks it and the combo added as Add adds it.
void OnPasteCombo(Catalogue& catalogue, const ClipboardCombo& content);

}  // namespace strikepad
