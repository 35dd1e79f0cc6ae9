// Import: the game of an .SPK file into the catalogue, through the same store-new operations
// as the editing commands, in one transaction.

#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "exchange/exchange_commands.h"
#include "exchange/exchange_messages.h"
#include "exchange/file_bytes.h"
#include "exchange/spk_format.h"
#include "store/store.h"
#include "store/transaction.h"
#include "text/name_fold.h"

namespace strikepad {

namespace {

// The store-new operations refuse taken names silently while it lives; afterwards they warn
// again, whichever way the import ends.
class QuietDuplicates {
 public:
  explicit QuietDuplicates(Catalogue& catalogue) : catalogue_(catalogue) { catalogue_.warnOnDuplicate = false; }
  ~QuietDuplicates() { catalogue_.warnOnDuplicate = true; }
  QuietDuplicates(const QuietDuplicates&) = delete;
  QuietDuplicates& operator=(const QuietDuplicates&) = delete;

 private:
  Catalogue& catalogue_;
};

// The id of the first record that `filter` matches; nullopt when none does or the store failed.
std::optional<RecordId> findId(Store& store, std::string_view table, std::string_view filter,
                               std::vector<FieldValue> params) {
  auto records = store.OpenRecordset(table, filter, std::move(params));
  if (!records || records->atEnd()) return std::nullopt;
  return records->integer("id");
}

// What the import adds to the lists, applied only once the catalogue holds it.
struct ListChanges {
  struct Entry {
    std::string name;
    RecordId id;
  };
  std::optional<Entry> newGame;
  RecordId gameId = 0;
  std::vector<Entry> characters;
  std::vector<Entry> combos;

  void applyTo(CatalogueLists& lists) const {
    if (newGame) lists.games.append(newGame->name, newGame->id);
    PickList& games = lists.games;
    int index = 0;
    while (index < games.count() && games.id(index) != gameId) ++index;
    games.select(index < games.count() ? index : -1);
    // The lists below still show what they showed; the names are appended to them.
    for (const Entry& entry : characters) lists.characters.append(entry.name, entry.id);
    for (const Entry& entry : combos) lists.combos.append(entry.name, entry.id);
  }
};

class GameImport {
 public:
  GameImport(Catalogue& catalogue, const SpkGame& game)
      : catalogue_(catalogue), store_(catalogue.store()), game_(game) {}

  // Adds the file's records inside the caller's transaction. Refused or Failed leave the
  // transaction to be undone.
  ImportOutcome run() {
    const RecordId stored = catalogue_.StoreNewGame(game_.name);
    if (stored < 0) return ImportOutcome::Refused;
    if (stored > 0) {
      changes_.newGame = ListChanges::Entry{game_.name, stored};
      changes_.gameId = stored;
    } else {
      // The user agreed to go on with the game of that name, and to have its combos of the
      // same names replaced.
      const auto existing = findId(store_, "game", "fold_name(name)=?", {foldName(game_.name)});
      if (!existing) return ImportOutcome::Failed;
      changes_.gameId = *existing;
      replaceCombos_ = true;
    }
    for (const SpkCharacter& character : game_.characters)
      if (!addCharacter(character)) return ImportOutcome::Failed;
    return ImportOutcome::Imported;
  }

  const ListChanges& changes() const { return changes_; }

 private:
  bool addCharacter(const SpkCharacter& character) {
    RecordId characterId = catalogue_.StoreNewCharacter(character.name, changes_.gameId);
    if (characterId >= 0) {
      changes_.characters.push_back({character.name, characterId});
    } else {
      const auto existing = findId(store_, "role", "gameid=? and fold_name(name)=?",
                                   {std::int64_t{changes_.gameId}, foldName(character.name)});
      // Neither added nor there: the store failed.
      if (!existing) return false;
      characterId = *existing;
    }
    for (const SpkCombo& combo : character.combos)
      if (!addCombo(combo, characterId)) return false;
    return true;
  }

  bool addCombo(const SpkCombo& combo, RecordId characterId) {
    // A short value is followed by end markers; an empty one is the empty combo.
    const ComboBlock block = blockFromBytes(combo.data.data(), combo.data.size());
    const RecordId comboId = catalogue_.StoreNewCombo(combo.name, characterId, block.data(), block.size());
    if (comboId >= 0) {
      changes_.combos.push_back({combo.name, comboId});
      return true;
    }
    const auto existing =
        findId(store_, "moves", "roleid=? and fold_name(name)=?", {std::int64_t{characterId}, foldName(combo.name)});
    if (!existing) return false;
    return !replaceCombos_ || catalogue_.ReplaceComboData(*existing, block.data(), block.size()) == 1;
  }

  Catalogue& catalogue_;
  Store& store_;
  const SpkGame& game_;
  ListChanges changes_;
  bool replaceCombos_ = false;
};

ImportOutcome importGame(Catalogue& catalogue, const SpkGame& game) {
  GameImport import(catalogue, game);
  {
    QuietDuplicates quiet(catalogue);
    Transaction transaction(catalogue.store());
    if (!transaction.active()) return ImportOutcome::Failed;
    const ImportOutcome outcome = import.run();
    if (outcome != ImportOutcome::Imported) return outcome;
    if (!transaction.commit()) return ImportOutcome::Failed;
  }
  import.changes().applyTo(catalogue.lists());
  // A file whose content ends at an empty name leaves the lists as the import made them.
  if (!game.endsAtEmptyName) catalogue.FillCharacterList();
  return ImportOutcome::Imported;
}

}  // namespace

ImportOutcome OnImportGame(Catalogue& catalogue) {
  const std::string path = catalogue.prompts().chooseOpenFile(messages::kSpkFileFilter);
  if (path.empty()) return ImportOutcome::Cancelled;
  return ImportGameFile(catalogue, path);
}

ImportOutcome ImportGameFile(Catalogue& catalogue, const std::filesystem::path& path) {
  Prompts& prompts = catalogue.prompts();
  const auto bytes = readWholeFile(path);
  if (!bytes) {
    prompts.notice(messages::withFileName(messages::kCanNotOpen, path));
    return ImportOutcome::CannotOpen;
  }
  const auto game = parseSpk(*bytes);
  if (!game) {
    prompts.notice(messages::withFileName(messages::kDamagedFile, path));
    return ImportOutcome::Damaged;
  }
  if (game->name.empty()) return ImportOutcome::NoGame;
  return importGame(catalogue, *game);
}

}  // namespace strikepad
