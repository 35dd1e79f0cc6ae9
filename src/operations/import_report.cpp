#include "operations/import_report.h"

#include "exchange/exchange_messages.h"

namespace strikepad {

std::string ImportReport::notice(const std::filesystem::path& file) const {
  std::string text;
  const auto heading = [&](std::string_view pattern) {
    if (!text.empty()) text += '\n';
    text += messages::withFileName(pattern, file);
  };
  if (!mergedCharacters.empty()) {
    heading(messages::kCharactersMerged);
    for (const MergedCharacter& character : mergedCharacters) {
      text += "\n  " + character.fileName;
      if (character.storedName != character.fileName) text += " -> " + character.storedName;
    }
  }
  if (!skippedCombos.empty()) {
    heading(messages::kCombosNotStored);
    for (const SkippedCombo& combo : skippedCombos) text += "\n  " + combo.characterName + ": " + combo.comboName;
  }
  return text;
}

}  // namespace strikepad
