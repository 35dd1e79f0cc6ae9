#pragma once
// A combo as it travels between catalogues by copy and paste: its script text for people (chat,
// forums) and its stored block for this program, which takes the block over the text because
// the text cannot carry every byte.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "combo/combo_block.h"
#include "combo/script_parser.h"
#include "operations/catalogue_file.h"
#include "operations/outcome.h"
#include "store/tables/record_id.h"

namespace strikepad {

struct ClipboardCombo {
  std::string text;  // the script, as the printer writes it
  // The block under the program's own type; none when only text came (from another program).
  std::optional<std::vector<std::uint8_t>> bytes;
};

// The combo's block and script: NotFound when it is gone, Failed on the store.
struct CopiedCombo : Result {
  ClipboardCombo content;
};
CopiedCombo copyCombo(CatalogueFile& file, RecordId comboId);

// What a paste stores, from the bytes when there are any, else from the parsed text: Done with
// the block and the values the text gives that are stored otherwise (for the user to accept);
// Refused with why nothing can be stored (a block of the wrong size, a parse error, no step).
struct PastedCombo : Result {
  ComboBlock block{};
  std::vector<ScriptWarning> warnings;
};
PastedCombo pastedCombo(const ClipboardCombo& content);

}  // namespace strikepad
