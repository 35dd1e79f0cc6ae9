#pragma once
// What an import could not store as its file has it: the file's characters that went into a
// character of the same name, and the combos left out because their name was taken. The
// user hears of all of it in one notice, so nothing is dropped without a word.

#include <filesystem>
#include <string>
#include <vector>

namespace strikepad {

struct ImportReport {
  struct MergedCharacter {
    std::string fileName;    // as the file has it
    std::string storedName;  // the character that took its combos
  };
  struct SkippedCombo {
    std::string characterName;  // the file's character
    std::string comboName;
  };

  std::vector<MergedCharacter> mergedCharacters;
  std::vector<SkippedCombo> skippedCombos;

  bool empty() const { return mergedCharacters.empty() && skippedCombos.empty(); }
  // The notice about the import of `file`; empty when there is nothing to tell.
  std::string notice(const std::filesystem::path& file) const;
};

}  // namespace strikepad
