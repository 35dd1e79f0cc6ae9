#include "operations/clipboard_combo.h"

#include "combo/script_printer.h"
#include "operations/catalogue_operations.h"

namespace strikepad {
namespace {

bool onlyBlanks(const std::string& text) { return text.find_first_not_of(" \t\v\f\r\n") == std::string::npos; }

PastedCombo refusedPaste(std::string reason) {
  PastedCombo refusal;
  refusal.outcome = Outcome::Refused;
  refusal.reason = std::move(reason);
  return refusal;
}

}  // namespace

CopiedCombo copyCombo(CatalogueFile& file, RecordId comboId) {
  const BlockResult stored = readComboData(file, comboId);
  CopiedCombo copied;
  copied.outcome = stored.outcome;
  copied.reason = stored.reason;
  if (!stored.done()) return copied;
  // A stored value of another length is copied as the editor and the adapter read it.
  const ComboBlock block = blockFromBytes(stored.bytes.data(), stored.bytes.size());
  copied.content = {printScript(block), std::vector<std::uint8_t>(block.begin(), block.end())};
  return copied;
}

PastedCombo pastedCombo(const ClipboardCombo& content) {
  PastedCombo pasted;
  if (content.bytes) {
    // Another program may put anything under the type: only a whole block is taken.
    if (content.bytes->size() != kBlockSize)
      return refusedPaste("the combo on the clipboard is " + std::to_string(content.bytes->size()) +
                          " bytes long, not " + std::to_string(kBlockSize));
    pasted.block = blockFromBytes(content.bytes->data(), content.bytes->size());
  } else {
    if (onlyBlanks(content.text)) return refusedPaste("the clipboard holds no combo");
    ParseResult parsed = parseScript(content.text);
    if (!parsed.ok()) return refusedPaste(parsed.message);
    pasted.block = *parsed.block;
    pasted.warnings = std::move(parsed.warnings);
  }
  if (isEmptyCombo(pasted.block)) return refusedPaste("the combo holds no step");
  return pasted;
}

}  // namespace strikepad
