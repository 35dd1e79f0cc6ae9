// Exchange files of any bytes: the reader gives a game or reports a damaged file, and a game
// written back by the writer reads again as the same game.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/spk_format.h"
#include "fuzz_check.h"

namespace {

using strikepad::SpkCharacter;
using strikepad::SpkCombo;
using strikepad::SpkGame;
using strikepad::fuzz::require;

// A name as it reads back from the writer's field: cut to 49 bytes on a character boundary.
std::string throughNameField(std::string_view name) {
  const strikepad::NameField field = strikepad::nameFieldFromText(name);
  return strikepad::textFromNameField(field.data());
}

bool sameCombo(const SpkCombo& written, const SpkCombo& read) {
  return throughNameField(written.name) == read.name && written.data == read.data;
}

bool sameCharacter(const SpkCharacter& written, const SpkCharacter& read) {
  if (throughNameField(written.name) != read.name || written.combos.size() != read.combos.size()) return false;
  for (std::size_t i = 0; i < read.combos.size(); ++i)
    if (!sameCombo(written.combos[i], read.combos[i])) return false;
  return true;
}

// The writer records what was read, so a game cut short by an empty name comes back whole.
bool sameGame(const SpkGame& written, const SpkGame& read) {
  if (throughNameField(written.name) != read.name || read.endsAtEmptyName ||
      written.characters.size() != read.characters.size())
    return false;
  for (std::size_t i = 0; i < read.characters.size(); ++i)
    if (!sameCharacter(written.characters[i], read.characters[i])) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<SpkGame> game = strikepad::parseSpk(std::span(data, size));
  if (!game) return 0;  // a damaged file
  require(!game->name.empty() || game->characters.empty(), "a game without a name holds nothing");
  require(!game->endsAtEmptyName || (size >= strikepad::kNameFieldSize && data[size - strikepad::kNameFieldSize] == 0),
          "an empty name ends the content only as the file's last field");
  for (const SpkCharacter& character : game->characters)
    for (const SpkCombo& combo : character.combos)
      require(combo.data.size() <= strikepad::kBlockSize, "combo data fits one block");

  const std::vector<std::uint8_t> written = strikepad::encodeSpk(*game);
  const std::optional<SpkGame> reread = strikepad::parseSpk(written);
  require(reread.has_value(), "the writer's file reads");
  require(sameGame(*game, *reread), "the writer's file reads as the game written");
  require(strikepad::encodeSpk(*reread) == written, "writing the game read back gives the same bytes");
  return 0;
}
