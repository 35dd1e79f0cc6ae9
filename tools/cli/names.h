#pragma once
// Names on a terminal. A name given on the command line may hold no control character: it
// could forge record lines or command the terminal. A stored name that holds one (from an
// exchange file, or from another program) is shown escaped, so each record stays one line.

#include <optional>
#include <string>
#include <string_view>

namespace strikepad::cli {

// C0 controls, DEL and the C1 controls (U+0080 to U+009F in UTF-8).
bool hasControlCharacter(std::string_view name);

// The name with each byte of a control character written as \xHH.
std::string printableName(std::string_view name);

// The same for text of several lines: its line ends stay.
std::string printableLines(std::string_view text);

// JSON text with DEL and the C1 controls, which JSON lets stand raw, written as \u00HH.
std::string jsonWithControlsEscaped(std::string_view json);

// Why a name given on the command line is refused: empty (the window's name input refuses
// that too), or holding a control character. None when it is taken.
std::optional<std::string_view> nameRefusal(std::string_view name);

}  // namespace strikepad::cli
