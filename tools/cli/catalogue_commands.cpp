// init, list, add, delete and rename: the catalogue operations of the window, run on
// in-memory lists, with messages on stderr.

#include <nlohmann/json.hpp>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_reads.h"
#include "catalogue/messages.h"
#include "selecting_session.h"
#include "cli.h"
#include "combo/script_parser.h"
#include "names.h"
#include "store/schema.h"
#include "store/store.h"

namespace strikepad::cli {
namespace {

constexpr std::string_view kCatalogueUsage =
    "usage: strikepad-cli init [FILE] | list [--json]\n"
    "       add game NAME | add character GAME NAME | add combo GAME CHARACTER NAME [SCRIPTFILE]\n"
    "       delete game GAME | delete character GAME NAME | delete combo GAME CHARACTER NAME\n"
    "       rename game GAME NEW | rename character GAME NAME NEW | rename combo GAME CHARACTER NAME NEW\n";

int init(Context& context) {
  if (context.args.size() > 2) return kBadUsage;
  const std::filesystem::path path = context.args.size() == 2 ? std::filesystem::path(context.args[1]) : context.catalogue;
  std::string message;
  if (!createCatalogue(path, message)) {
    context.err << message << "\n";
    return kRefused;
  }
  return kDone;
}

// The rows a read gave; a failed read (reported by the store) gives none and marks the
// listing incomplete.
template <typename Row>
std::vector<Row> rowsOf(std::optional<std::vector<Row>> read, bool& complete) {
  if (!read) complete = false;
  return std::move(read).value_or(std::vector<Row>());
}

// The catalogue as one JSON document: {"games":[{"id","name","characters":[{"id","name",
// "combos":[{"id","name","size"}]}]}]}. Bytes of a name that are not UTF-8 become U+FFFD;
// every control character is a \u escape.
int listAsJson(Context& context, Store& store) {
  bool complete = true;
  nlohmann::ordered_json games = nlohmann::ordered_json::array();
  for (const NamedRecord& game : rowsOf(allGames(store), complete)) {
    nlohmann::ordered_json characters = nlohmann::ordered_json::array();
    for (const NamedRecord& character : rowsOf(charactersOf(store, game.id), complete)) {
      nlohmann::ordered_json combos = nlohmann::ordered_json::array();
      for (const ComboSize& combo : rowsOf(comboSizesOf(store, character.id), complete))
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

int list(Context& context, SelectingSession& session) {
  if (context.args.size() != 1) return kBadUsage;
  Store& store = session.store();
  if (context.json) return listAsJson(context, store);
  bool complete = true;
  // One character's combos are held at a time, their sizes without their bytes.
  for (const NamedRecord& game : rowsOf(allGames(store), complete)) {
    context.out << "game " << game.id << " " << printableName(game.name) << "\n";
    for (const NamedRecord& character : rowsOf(charactersOf(store, game.id), complete)) {
      context.out << "  role " << character.id << " " << printableName(character.name) << "\n";
      for (const ComboSize& combo : rowsOf(comboSizesOf(store, character.id), complete))
        context.out << "    moves " << combo.id << " " << printableName(combo.name) << " " << combo.size << "\n";
    }
  }
  return complete ? kDone : kRefused;
}

bool isAddCombo(const std::vector<std::string>& words) {
  return words[0] == "add" && words.size() >= 2 && words[1] == "combo" && (words.size() == 5 || words.size() == 6);
}

// The script of add combo, read and checked before the catalogue is opened: the write lock is
// never held while the script arrives on standard input. An exit status when there is none.
std::variant<ComboBlock, int> readComboScript(Context& context) {
  const std::optional<std::string> text = readInput(context, 5);
  if (!text) return kRefused;
  const ParseResult parsed = parseScript(*text);
  if (!parsed.ok()) {
    context.err << parsed.message << "\n";
    return kRefused;
  }
  for (const ScriptWarning& warning : parsed.warnings) context.err << warning.message << "\n";
  if (isEmptyCombo(*parsed.block)) {
    context.err << "the script holds no step; nothing stored\n";
    return kRefused;
  }
  return *parsed.block;
}

// The exit status of an add or rename, after telling why it did nothing as the window does
// (`parentGone`: nullptr for games).
int presented(Catalogue& catalogue, const StoreResult& result, const char* parentGone) {
  presentRefusal(catalogue.prompts(), result, parentGone);
  return result.stored() ? kDone : kRefused;
}

int addCombo(SelectingSession& session, const std::vector<std::string>& words, const ComboBlock& block) {
  const std::optional<RecordId> character = session.selectCharacter(words[2], words[3]);
  if (!character) return kRefused;
  Catalogue& catalogue = session.catalogue();
  return presented(catalogue, catalogue.StoreNewCombo(words[4], *character, block.data(), block.size()),
                   messages::kCharacterGone);
}

int add(Context& context, SelectingSession& session, const std::optional<ComboBlock>& script) {
  const auto& words = context.args;
  const std::string_view level = words.size() >= 2 ? std::string_view(words[1]) : "";
  Catalogue& catalogue = session.catalogue();
  if (level == "game" && words.size() == 3) return presented(catalogue, catalogue.StoreNewGame(words[2]), nullptr);
  if (level == "character" && words.size() == 4) {
    const std::optional<RecordId> game = session.selectGame(words[2]);
    if (!game) return kRefused;
    return presented(catalogue, catalogue.StoreNewCharacter(words[3], *game), messages::kGameGone);
  }
  if (script) return addCombo(session, words, *script);
  return kBadUsage;
}

int remove(Context& context, SelectingSession& session) {
  const auto& words = context.args;
  const std::string_view level = words.size() >= 2 ? std::string_view(words[1]) : "";
  Catalogue& catalogue = session.catalogue();
  std::optional<RecordId> id;
  DeleteOutcome outcome = DeleteOutcome::Failed;
  if (level == "game" && words.size() == 3) {
    if ((id = session.selectGame(words[2]))) outcome = catalogue.RemoveGame(*id);
  } else if (level == "character" && words.size() == 4) {
    if ((id = session.selectCharacter(words[2], words[3]))) outcome = catalogue.RemoveCharacter(*id);
  } else if (level == "combo" && words.size() == 5) {
    if ((id = session.selectCombo(words[2], words[3], words[4]))) outcome = catalogue.RemoveCombo(*id);
  } else {
    return kBadUsage;
  }
  if (outcome == DeleteOutcome::NothingThere) context.err << "no " << level << " named " << words.back() << "\n";
  return outcome == DeleteOutcome::Deleted ? kDone : kRefused;
}

int rename(Context& context, SelectingSession& session) {
  const auto& words = context.args;
  const std::string_view level = words.size() >= 2 ? std::string_view(words[1]) : "";
  Catalogue& catalogue = session.catalogue();
  std::optional<RecordId> id;
  if (level == "game" && words.size() == 4) {
    if ((id = session.selectGame(words[2]))) return presented(catalogue, catalogue.RenameGame(*id, words[3]), nullptr);
  } else if (level == "character" && words.size() == 5) {
    if ((id = session.selectCharacter(words[2], words[3])))
      return presented(catalogue, catalogue.RenameCharacter(*id, words[4]), messages::kGameGone);
  } else if (level == "combo" && words.size() == 6) {
    if ((id = session.selectCombo(words[2], words[3], words[4])))
      return presented(catalogue, catalogue.RenameCombo(*id, words[5]), messages::kCharacterGone);
  } else {
    return kBadUsage;
  }
  return kRefused;
}

// Names the window could not have given (its name input refuses an empty one), or that would
// forge lines or command the terminal wherever they are shown.
std::optional<std::string_view> refusedName(const std::vector<std::string>& words) {
  // Every word after the level is a name, but for the script file of add combo.
  const bool scriptFile = words.size() == 6 && words[0] == "add" && words[1] == "combo";
  for (std::size_t i = 2; i < words.size() - (scriptFile ? 1 : 0); ++i)
    if (const auto refusal = nameRefusal(words[i])) return refusal;
  return std::nullopt;
}

int runOnStore(Context& context) {
  const std::string& command = context.args.front();
  if (const auto refusal = refusedName(context.args)) {
    context.err << *refusal << "\n";
    return kBadUsage;
  }
  std::optional<ComboBlock> script;
  if (isAddCombo(context.args)) {
    auto read = readComboScript(context);
    if (const int* status = std::get_if<int>(&read)) return *status;
    script = std::get<ComboBlock>(read);
  }
  SelectingSession session(context);
  if (!session.open(command != "list")) return kRefused;
  int result = kBadUsage;
  if (command == "list") result = list(context, session);
  if (command == "add") result = add(context, session, script);
  if (command == "delete") result = remove(context, session);
  if (command == "rename") result = rename(context, session);
  if (result == kBadUsage) context.err << kCatalogueUsage;
  // Anything refused has been undone by its operation; the rest must reach the file.
  if (result == kDone && !session.commit()) return kRefused;
  return result;
}

}  // namespace

int runCatalogue(Context& context) {
  if (context.args.front() == "init") {
    const int result = init(context);
    if (result == kBadUsage) context.err << kCatalogueUsage;
    return result;
  }
  return runOnStore(context);
}

}  // namespace strikepad::cli
