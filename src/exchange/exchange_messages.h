#pragma once
// The texts of the file exchange, exactly as the user sees them: the window and the command line
// show them alike, and the export's name checks word their findings with them.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "text/file_failure.h"

namespace strikepad::messages {

inline constexpr std::string_view kCanNotOpen = "can not open %s";
inline constexpr std::string_view kCanNotWrite = "can not write %s";
inline constexpr std::string_view kDamagedFile = "%s is damaged or not a Strikepad 2.0 file.";
inline constexpr std::string_view kCanNotFindGameData = "Can not find game data";
inline constexpr std::string_view kTargetIsCatalogue = "%s is the open catalogue: export the game to another file.";
inline constexpr std::string_view kTargetNotAFile = "%s is not a regular file: export the game to a file.";
inline constexpr std::string_view kNotAFile = "%s is not a regular file.";
inline constexpr std::string_view kFileTooLarge = "%s is too large to be a Strikepad 2.0 file.";

// An export refused, then one line a name, grouped by the parent they share.
inline constexpr std::string_view kNamesClash =
    "%s was not written: these names would be one name in it (names are cut to 49 bytes there, and letter case "
    "does not count), so an import would merge them:";
// After an export, one line a name: the name, then what the file holds.
inline constexpr std::string_view kNamesShortened = "These names were too long for %s and were cut to 49 bytes:";
// After an export, one line a combo whose data is not one 360-byte block (nor empty).
inline constexpr std::string_view kDataNotOneBlock = "These combos do not hold one 360-byte combo block; in %s:";

// After an import, one line a name under each heading that applies.
inline constexpr std::string_view kCharactersMerged =
    "Characters of %s added to the game's character of the same name (letter case aside), with their combos:";
inline constexpr std::string_view kCombosNotStored =
    "Combos of %s not stored because their character already had a combo of that name:";

// `pattern` with its %s replaced by the file's name without its folder.
inline std::string withFileName(std::string_view pattern, const std::filesystem::path& path) {
  std::string text(pattern);
  text.replace(text.find("%s"), 2, path.filename().string());
  return text;
}

// As withFileName, followed by the file's whole path and the system's `reason` in brackets,
// when there is a reason: the file's name alone does not say which folder it was in, nor why.
inline std::string withFileFailure(std::string_view pattern, const std::filesystem::path& path,
                                   const std::error_code& reason) {
  std::string text = withFileName(pattern, path);
  if (reason) text += " (" + fileFailure(path, reason) + ")";
  return text;
}

}  // namespace strikepad::messages
