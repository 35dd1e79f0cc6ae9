// init, list, add, delete and rename: the catalogue's records by name, through the operations.

#include <nlohmann/json.hpp>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "catalogue_access.h"
#include "cli.h"
#include "cli_texts.h"
#include "combo/script_parser.h"
#include "names.h"
#include "operations/catalogue_file.h"
#include "operations/catalogue_operations.h"
#include "operations/lookup.h"
#include "output.h"

namespace strikepad::cli {
namespace {

using shared_texts::kCharacterGone;
using shared_texts::kGameGone;

// The rows of a read; a read that failed says why, gives none and marks the listing incomplete.
template <typename Rows>
Rows read(Context& context, Rows rows, bool& complete) {
  if (!rows.done()) {
    tell(context, rows);
    complete = false;
  }
  return rows;
}

// The catalogue as one JSON document: {"games":[{"id","name","characters":[{"id","name",
// "combos":[{"id","name","size"}]}]}]}. Bytes of a name that are not UTF-8 become U+FFFD;
// every control character is a \u escape.
int listAsJson(Context& context, CatalogueFile& file) {
  bool complete = true;
  nlohmann::ordered_json games = nlohmann::ordered_json::array();
  for (const NamedRecord& game : read(context, listGames(file), complete).games) {
    nlohmann::ordered_json characters = nlohmann::ordered_json::array();
    for (const NamedRecord& character : read(context, listCharacters(file, game.id), complete).characters) {
      nlohmann::ordered_json combos = nlohmann::ordered_json::array();
      for (const ComboSize& combo : read(context, listCombos(file, character.id), complete).combos)
        combos.push_back({{"id", combo.id}, {"name", combo.name}, {"size", combo.size}});
      characters.push_back({{"id", character.id}, {"name", character.name}, {"combos", std::move(combos)}});
    }
    games.push_back({{"id", game.id}, {"name", game.name}, {"characters", std::move(characters)}});
  }
  // A listing cut short by a failed read is no document to hand on.
  if (!complete) return kRefused;
  const nlohmann::ordered_json document = {{"games", std::move(games)}};
  const std::string json = document.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
  context.out << jsonWithControlsEscaped(json) << "\n";
  return kDone;
}

// The script of add combo, read and checked before the catalogue is opened: the write lock is
// never held while the script arrives on standard input.
std::optional<ComboBlock> readComboScript(Context& context) {
  if (context.args.size() == 5 && context.inIsTerminal) context.err << texts::kWaitingForScript << "\n";
  const std::optional<std::string> text = readInput(context, 5);
  if (!text) return std::nullopt;
  const ParseResult parsed = parseScript(*text);
  if (!parsed.ok()) {
    context.err << parsed.message << "\n";
    return std::nullopt;
  }
  for (const ScriptWarning& warning : parsed.warnings) context.err << warning.message << "\n";
  if (isEmptyCombo(*parsed.block)) {
    context.err << texts::kScriptHoldsNoStep << "\n";
    return std::nullopt;
  }
  return *parsed.block;
}

// The record the words name from word 2 on, at `level` ("game", "character", "combo").
LookupResult lookUp(CatalogueFile& file, const std::vector<std::string>& words, const std::string& level) {
  if (level == "game") return findGame(file, words[2]);
  if (level == "character") return findCharacter(file, words[2], words[3]);
  return findCombo(file, words[2], words[3], words[4]);
}

}  // namespace

int runInit(Context& context) {
  const std::filesystem::path path = context.args.size() == 2 ? catalogueFileAt(context.args[1]) : context.catalogue;
  const Result made = createCatalogueFile(path);
  if (!made.done()) context.err << made.reason << "\n";
  return made.done() ? kDone : kRefused;
}

int runList(Context& context) {
  CatalogueFile file(context.catalogue);
  if (!openCatalogue(context, file)) return kRefused;
  if (context.json) return listAsJson(context, file);
  bool complete = true;
  // One character's combos are held at a time, their sizes without their bytes.
  for (const NamedRecord& game : read(context, listGames(file), complete).games) {
    context.out << "game " << game.id << " " << printableName(game.name) << "\n";
    for (const NamedRecord& character : read(context, listCharacters(file, game.id), complete).characters) {
      context.out << "  character " << character.id << " " << printableName(character.name) << "\n";
      for (const ComboSize& combo : read(context, listCombos(file, character.id), complete).combos)
        context.out << "    combo " << combo.id << " " << printableName(combo.name) << " " << combo.size << "\n";
    }
  }
  return complete ? kDone : kRefused;
}

int runAdd(Context& context) {
  const std::vector<std::string>& words = context.args;
  const std::string& level = words[1];
  std::optional<ComboBlock> script;
  if (level == "combo" && !(script = readComboScript(context))) return kRefused;
  return changeInWriteScope(context, [&](CatalogueFile& file) {
    if (level == "game") return tell(context, addGame(file, words[2]));
    if (level == "character") {
      const LookupResult game = findGame(file, words[2]);
      if (!game.done()) return tell(context, game);
      return tell(context, addCharacter(file, game.path.game, words[3]), {}, kGameGone);
    }
    const LookupResult character = findCharacter(file, words[2], words[3]);
    if (!character.done()) return tell(context, character);
    return tell(context, addCombo(file, character.path.character, words[4], *script), {}, kCharacterGone);
  });
}

int runDelete(Context& context) {
  const std::vector<std::string>& words = context.args;
  const std::string& level = words[1];
  return changeInWriteScope(context, [&](CatalogueFile& file) {
    const LookupResult found = lookUp(file, words, level);
    if (!found.done()) return tell(context, found);
    const RecordPath& path = found.path;
    const Result deleted = level == "game"        ? deleteGame(file, path.game)
                           : level == "character" ? deleteCharacter(file, path.character)
                                                  : deleteCombo(file, path.combo);
    return tell(context, deleted, texts::noSuch(level, words.back()));
  });
}

int runRename(Context& context) {
  const std::vector<std::string>& words = context.args;
  const std::string& level = words[1];
  const std::string& newName = words.back();
  return changeInWriteScope(context, [&](CatalogueFile& file) {
    const LookupResult found = lookUp(file, words, level);
    if (!found.done()) return tell(context, found);
    const RecordPath& path = found.path;
    if (level == "game") return tell(context, renameGame(file, path.game, newName));
    if (level == "character") return tell(context, renameCharacter(file, path.character, newName), {}, kGameGone);
    return tell(context, renameCombo(file, path.combo, newName), {}, kCharacterGone);
  });
}

}  // namespace strikepad::cli
