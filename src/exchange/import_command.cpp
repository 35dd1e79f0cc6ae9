// Import: the game of an .SPK file into the catalogue, under the same name rules as the
// editing commands (checked in memory, one query per parent), in one transaction that never
// waits on the user.

#include <istream>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_reads.h"
#include "catalogue/messages.h"
#include "catalogue/records.h"
#include "exchange/exchange_commands.h"
#include "exchange/exchange_messages.h"
#include "files/file_bytes.h"
#include "exchange/import_report.h"
#include "exchange/spk_format.h"
#include "store/store.h"
#include "store/transaction.h"

namespace strikepad {

namespace {

// What the import adds to the lists, applied only once the catalogue holds it.
struct ListChanges {
  // The name lies in the imported game, which outlives the changes: a large file's names are
  // not held twice.
  struct Entry {
    const std::string* name;
    RecordId id;
  };
  std::optional<Entry> newGame;
  RecordId gameId = 0;
  std::vector<Entry> characters;
  std::vector<Entry> combos;

  void applyTo(CatalogueLists& lists) const {
    if (newGame) lists.games.append(*newGame->name, newGame->id);
    PickList& games = lists.games;
    int index = 0;
    while (index < games.count() && games.id(index) != gameId) ++index;
    games.select(index < games.count() ? index : -1);
    // The lists below still show what they showed; the names are appended to them.
    for (const Entry& entry : characters) lists.characters.append(*entry.name, entry.id);
    for (const Entry& entry : combos) lists.combos.append(*entry.name, entry.id);
  }
};

class GameImport {
 public:
  GameImport(Catalogue& catalogue, const SpkGame& game)
      : catalogue_(catalogue), store_(catalogue.store()), game_(game) {}

  // Adds the file's records in one transaction, reusing a game of the file's name only when
  // `reuseAgreed`. nullopt when such a game turned up after the user could have been asked:
  // nothing is written then, and the user is to be asked first.
  std::optional<ImportOutcome> run(bool reuseAgreed) {
    Transaction transaction(store_);
    if (!transaction.active()) return ImportOutcome::Failed;
    const GameByName existing = findGameByName(store_, game_.name);
    if (existing.failed) return ImportOutcome::Failed;
    if (existing.id && !reuseAgreed) return std::nullopt;
    if (!startGame(existing.id)) return ImportOutcome::Failed;
    // Names are checked in memory, against the game's records read once: the write lock keeps
    // other programs out until the import ends.
    auto characters = SiblingNames::load(store_, kCharacterLevel, changes_.gameId);
    if (!characters) return ImportOutcome::Failed;
    for (const SpkCharacter& character : game_.characters)
      if (!addCharacter(character, *characters)) return ImportOutcome::Failed;
    if (replacements_ && !replacements_->finish()) return ImportOutcome::Failed;
    return transaction.commit() ? ImportOutcome::Imported : ImportOutcome::Failed;
  }

  const ListChanges& changes() const { return changes_; }
  const ImportReport& report() const { return report_; }

 private:
  bool startGame(std::optional<RecordId> existing) {
    if (existing) {
      // The user agreed to go on with the game of that name, and to have its combos of the
      // same names replaced.
      changes_.gameId = *existing;
      replaceCombos_ = true;
      // The blocks it replaces are one change of the history, undone at once.
      replacements_.emplace(catalogue_, "Game: " + recordName(store_, kGameLevel, *existing).value_or(game_.name));
      return true;
    }
    // The name is free under this transaction's lock; should the store still refuse, the
    // import ends without showing the refusal.
    const StoreResult added = catalogue_.StoreNewGame(game_.name);
    if (!added.stored()) return false;
    changes_.newGame = ListChanges::Entry{&game_.name, added.id};
    changes_.gameId = added.id;
    return true;
  }

  bool addCharacter(const SpkCharacter& character, SiblingNames& characters) {
    RecordId characterId = 0;
    if (const auto existing = characters.find(store_, character.name)) {
      characterId = *existing;
      // Going on with a game's own character was agreed to; taking a second character of the
      // file into one is a merge the user must hear of.
      if (!fileCharacters_.insert(characterId).second)
        report_.mergedCharacters.push_back(
            {character.name, recordName(store_, kCharacterLevel, characterId).value_or(character.name)});
    } else {
      characterId = characters.insert(store_, character.name);
      if (characterId < 0) return false;
      changes_.characters.push_back({&character.name, characterId});
      fileCharacters_.insert(characterId);
    }
    auto combos = SiblingNames::load(store_, kComboLevel, characterId);
    if (!combos) return false;
    for (const SpkCombo& combo : character.combos)
      if (!addCombo(combo, character, *combos)) return false;
    return true;
  }

  bool addCombo(const SpkCombo& combo, const SpkCharacter& character, SiblingNames& combos) {
    // A short value is followed by end markers; an empty one is the empty combo.
    const ComboBlock block = blockFromBytes(combo.data.data(), combo.data.size());
    const std::optional<RecordId> existing = combos.find(store_, combo.name);
    if (!existing) {
      const RecordId comboId = combos.insert(store_, combo.name, block);
      if (comboId < 0) return false;
      changes_.combos.push_back({&combo.name, comboId});
      fromFile_.insert(comboId);
      return true;
    }
    // The user agreed to have the catalogue's combos replaced, not the file's own: a combo
    // this import stored or replaced keeps the file's first one of that name.
    if (replaceCombos_ && fromFile_.insert(*existing).second)
      return catalogue_.ReplaceComboData(*existing, block.data(), block.size()) == 1;
    report_.skippedCombos.push_back({character.name, combo.name});
    return true;
  }

  Catalogue& catalogue_;
  Store& store_;
  const SpkGame& game_;
  ListChanges changes_;
  ImportReport report_;
  bool replaceCombos_ = false;
  std::optional<ReplacementBatch> replacements_;
  // The combos that hold a combo of the file: added or replaced by this import.
  std::unordered_set<RecordId> fromFile_;
  // The characters that hold a character of the file: added, or reused from the game.
  std::unordered_set<RecordId> fileCharacters_;
};

// Takes the parsed game, so it can be let go before the lists are refilled: a large file's
// records are never held twice.
ImportResult importGame(Catalogue& catalogue, std::optional<SpkGame> game, const std::filesystem::path& path) {
  Prompts& prompts = catalogue.prompts();
  std::optional<GameImport> import;
  {
    // The question is asked before the transaction, so other programs can write while the
    // user decides; the transaction looks the game up again.
    const GameByName before = findGameByName(catalogue.store(), game->name);
    if (before.failed) return {ImportOutcome::Failed};
    if (before.id && !prompts.ask(messages::kReuseGameQuestion)) return {ImportOutcome::Refused};
    import.emplace(catalogue, *game);
    auto outcome = import->run(before.id.has_value());
    if (!outcome) {
      // Another program added a game of that name meanwhile. After a Yes every state of the
      // store can be acted on (a game that vanishes again is created), so one question does.
      if (!prompts.ask(messages::kReuseGameQuestion)) return {ImportOutcome::Refused};
      import.emplace(catalogue, *game);
      outcome = import->run(true);
    }
    if (*outcome != ImportOutcome::Imported) return {*outcome};
  }
  import->changes().applyTo(catalogue.lists());
  ImportResult result{ImportOutcome::Imported};
  if (!import->report().empty()) result.notices.push_back(import->report().notice(path));
  const bool endsAtEmptyName = game->endsAtEmptyName;
  import.reset();
  game.reset();
  // A file whose content ends at an empty name leaves the lists as the import made them.
  if (!endsAtEmptyName) catalogue.FillCharacterList();
  return result;
}

}  // namespace

ImportResult OnImportGame(Catalogue& catalogue) {
  const std::string path = catalogue.prompts().chooseOpenFile(messages::kSpkFileFilter);
  if (path.empty()) return {ImportOutcome::Cancelled};
  return importGameFile(catalogue, path);
}

namespace {

// Imports the bytes read from `path` (its name in the messages), or tells why there are none.
ImportResult importContent(Catalogue& catalogue, FileContent file, const std::filesystem::path& path) {
  std::optional<SpkGame> game;
  {
    // The file's bytes are let go once parsed: the import holds the parsed game only.
    const FileContent content = std::move(file);
    switch (content.problem) {
      case FileContent::Problem::None:
        break;
      case FileContent::Problem::CannotOpen:
        return {ImportOutcome::CannotOpen, {messages::withFileFailure(messages::kCanNotOpen, path, content.reason)}};
      case FileContent::Problem::NotAFile:
        return {ImportOutcome::CannotOpen, {messages::withFileName(messages::kNotAFile, path)}};
      case FileContent::Problem::TooLarge:
        return {ImportOutcome::Damaged, {messages::withFileName(messages::kFileTooLarge, path)}};
    }
    game = parseSpk(content.bytes);
  }
  if (!game) return {ImportOutcome::Damaged, {messages::withFileName(messages::kDamagedFile, path)}};
  if (game->name.empty()) return {ImportOutcome::NoGame};
  return importGame(catalogue, std::move(game), path);
}

// The whole stream, held to the size of the largest file the import takes.
FileContent streamContent(std::istream& in) {
  FileContent content;
  // One byte more than allowed tells a stream that is too large.
  content.bytes.resize(kMaxSpkFileSize + 1);
  in.read(reinterpret_cast<char*>(content.bytes.data()), static_cast<std::streamsize>(content.bytes.size()));
  content.bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) content.problem = FileContent::Problem::CannotOpen;
  if (content.bytes.size() > kMaxSpkFileSize) content.problem = FileContent::Problem::TooLarge;
  if (content.problem != FileContent::Problem::None) content.bytes.clear();
  return content;
}

}  // namespace

ImportResult importGameFile(Catalogue& catalogue, const std::filesystem::path& path) {
  return importContent(catalogue, readWholeFile(path, kMaxSpkFileSize), path);
}

ImportResult importGameStream(Catalogue& catalogue, std::istream& in, const std::string& name) {
  return importContent(catalogue, streamContent(in), name);
}

}  // namespace strikepad
