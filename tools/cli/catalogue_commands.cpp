// init, list, add, delete and rename: the catalogue operations of the window, run on
// in-memory lists, with messages on stderr.

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
#include "catalogue_session.h"
#include "cli.h"
#include "combo/script_parser.h"
#include "names.h"
#include "store/schema.h"
#include "store/store.h"
#include "store/transaction.h"
#include "text/name_fold.h"

namespace strikepad::cli {
namespace {

constexpr std::string_view kCatalogueUsage =
    "usage: strikepad-cli init [FILE] | list\n"
    "       add game NAME | add character GAME NAME | add combo GAME CHARACTER NAME [SCRIPTFILE]\n"
    "       delete game GAME | delete character GAME NAME | delete combo GAME CHARACTER NAME\n"
    "       rename game GAME NEW | rename character GAME NAME NEW | rename combo GAME CHARACTER NAME NEW\n";

// The open catalogue, with its entries selected by name.
class Session {
 public:
  explicit Session(Context& context) : context_(context), session_(context) {}

  // Opens the catalogue and fills the lists the names are looked up in. A command that writes
  // does so inside one transaction, which holds the write lock from the lookup to the end of
  // the operation: the records it names are the ones it changes, and no other program can
  // delete them (or their parents) in between.
  bool open(bool writes) {
    if (!session_.connect()) return false;
    if (writes) {
      transaction_.emplace(session_.store);
      if (!transaction_->active()) return false;
    }
    session_.catalogue.FillGameList();
    return true;
  }
  // Makes the command's writes stick; false (after the store report) when they could not be.
  bool commit() { return !transaction_ || transaction_->commit(); }

  // Selects the game (then character, then combo) of that name, refilling the lists below.
  // The name must match a whole entry, compared as the store compares names.
  std::optional<RecordId> selectGame(const std::string& name) {
    if (!select(session_.games, name, "game")) return std::nullopt;
    session_.catalogue.FillCharacterList();
    return session_.games.selectedId();
  }
  std::optional<RecordId> selectCharacter(const std::string& game, const std::string& name) {
    if (!selectGame(game) || !select(session_.characters, name, "character")) return std::nullopt;
    session_.catalogue.FillComboList();
    return session_.characters.selectedId();
  }
  std::optional<RecordId> selectCombo(const std::string& game, const std::string& character, const std::string& name) {
    if (!selectCharacter(game, character) || !select(session_.combos, name, "combo")) return std::nullopt;
    return session_.combos.selectedId();
  }

  Catalogue& catalogue() { return session_.catalogue; }
  Store& store() { return session_.store; }

 private:
  bool select(PickList& list, const std::string& name, std::string_view what) {
    for (int i = 0; i < list.count(); ++i) {
      if (sameName(list.text(i), name)) {
        list.select(i);
        return true;
      }
    }
    context_.err << "no " << what << " named " << name << "\n";
    return false;
  }

  Context& context_;
  CatalogueSession session_;
  // Ends before the store it runs on closes.
  std::optional<Transaction> transaction_;
};

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

int list(Context& context, Session& session) {
  if (context.args.size() != 1) return kBadUsage;
  Store& store = session.store();
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
  if (!text) return kBadUsage;
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

int addCombo(Session& session, const std::vector<std::string>& words, const ComboBlock& block) {
  const std::optional<RecordId> character = session.selectCharacter(words[2], words[3]);
  if (!character) return kRefused;
  Catalogue& catalogue = session.catalogue();
  return presented(catalogue, catalogue.StoreNewCombo(words[4], *character, block.data(), block.size()),
                   messages::kCharacterGone);
}

int add(Context& context, Session& session, const std::optional<ComboBlock>& script) {
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

int remove(Context& context, Session& session) {
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

int rename(Context& context, Session& session) {
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
  for (std::size_t i = 2; i < words.size() - (scriptFile ? 1 : 0); ++i) {
    if (words[i].empty()) return "names may not be empty";
    if (hasControlCharacter(words[i])) return "names may not hold control characters";
  }
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
  Session session(context);
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
