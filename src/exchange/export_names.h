#pragma once
// The names an export writes, as an import will read them back: cut to fit their fields. Two
// names of one parent that read back as one name (letter case aside) would be merged by an
// import and a combo lost, so a file holding them is not written; a name that was cut is
// told, so the user knows what the file holds.

#include <filesystem>
#include <string>
#include <vector>

namespace strikepad {

class ExportNames {
 public:
  // Each notes a name in file order and gives it back for writing (valid until the next
  // one is noted). A character opens the parent of the combos that follow it.
  const std::string& game(std::string name);
  const std::string& character(std::string name);
  const std::string& combo(std::string name);

  // The refusal naming the names that clash, for the export into `file`; empty when none do.
  std::string clashes(const std::filesystem::path& file) const;
  // The notice listing the names that were cut; empty when none was.
  std::string shortened(const std::filesystem::path& file) const;

 private:
  std::string game_;
  std::vector<std::string> characters_;
  std::vector<std::vector<std::string>> combos_;  // combos_[i]: the combos of characters_[i]
};

}  // namespace strikepad
