#pragma once
// The names an export writes, as an import will read them back: cut to fit their fields. Two
// names of one parent that read back as one name (letter case aside) would be merged by an
// import and a combo lost, so a file holding them is not written; a name that was cut is
// told, so the user knows what the file holds.

#include <filesystem>
#include <string>

#include "exchange/spk_format.h"

namespace strikepad {

class ExportNames {
 public:
  // The names of `game`, which must outlive this.
  explicit ExportNames(const SpkGame& game) : game_(game) {}

  // The refusal naming the names that clash, for the export into `file`; empty when none do.
  std::string clashes(const std::filesystem::path& file) const;
  // The notice listing the names that were cut; empty when none was.
  std::string shortened(const std::filesystem::path& file) const;

 private:
  const SpkGame& game_;
};

}  // namespace strikepad
