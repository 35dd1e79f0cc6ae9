// Import and export: the game of an .SPK file into the catalogue, under the same name rules
// as the editing operations (checked in memory, one query per parent), and a game into a file.

#include "operations/exchange_operations.h"

#include <istream>
#include <optional>
#include <system_error>
#include <unordered_set>
#include <utility>
#include <variant>

#include "operations/block_replacement.h"
#include "store/tables/catalogue_reads.h"
#include "store/tables/records.h"
#include "combo/combo_block.h"
#include "exchange/exchange_messages.h"
#include "exchange/export_names.h"
#include "exchange/spk_format.h"
#include "files/file_bytes.h"
#include "store/store.h"
#include "store/transaction.h"
#include "text/file_failure.h"

namespace strikepad {

namespace {

// --- export ---

ExportResult exportRefused(Outcome outcome, ExportProblem problem, std::string reason = {},
                           std::vector<std::string> notices = {}) {
  ExportResult result;
  result.outcome = outcome;
  result.problem = problem;
  result.reason = std::move(reason);
  result.notices = std::move(notices);
  return result;
}

// The notice naming the combos whose data the file holds cut to one block, or that an import
// fills up to one; empty when there are none. Empty data is the format's empty combo.
std::string dataNotOneBlock(const SpkGame& game, const std::filesystem::path& file) {
  std::string lines;
  for (const SpkCharacter& character : game.characters)
    for (const SpkCombo& combo : character.combos) {
      const std::size_t size = combo.data.size();
      if (size == 0 || size == kBlockSize) continue;
      lines += "\n  " + character.name + " / " + combo.name + ": " + std::to_string(size) + " bytes, ";
      lines += size > kBlockSize ? "cut to the first " + std::to_string(kBlockSize)
                                 : std::string("as stored; an import fills the block up with end markers");
    }
  return lines.empty() ? lines : messages::withFileName(messages::kDataNotOneBlock, file) + lines;
}

// --- import ---

class GameImport {
 public:
  GameImport(CatalogueFile& file, const SpkGame& game, History history)
      : file_(file), store_(file.store()), game_(game), history_(history) {}

  // Adds the file's records in one transaction, going on with a game of the file's name only
  // when `reuse` is Given.
  ImportResult run(Confirmation reuse) {
    result_.gameName = game_.name;
    result_.endsAtEmptyName = game_.endsAtEmptyName;
    Transaction transaction(store_);
    if (!transaction.active()) return failed();
    const GameByName existing = findGameByName(store_, game_.name);
    if (existing.failed) return failed();
    if (existing.id && reuse != Confirmation::Given) {
      ImportResult asking;
      asking.outcome = Outcome::NeedsConfirmation;
      asking.problem = ImportProblem::GameExists;
      asking.gameName = game_.name;
      return asking;
    }
    if (!startGame(existing.id)) return failed();
    // Names are checked in memory, against the game's records read once: the write lock keeps
    // other programs out until the import ends.
    auto characters = SiblingNames::load(store_, kCharacterLevel, result_.gameId);
    if (!characters) return failed();
    for (const SpkCharacter& character : game_.characters)
      if (!addCharacter(character, *characters)) return failed();
    if (batch_.change &&
        !setSummary(store_, *batch_.change, blocksOf(batch_.blocks) + " of " + batchSubject_))
      return failed();
    if (!transaction.commit()) return failed();
    return std::move(result_);
  }

 private:
  ImportResult failed() {
    ImportResult result;
    static_cast<Result&>(result) = file_.storeFailed();
    result.problem = ImportProblem::StoreFailed;
    return result;
  }

  bool startGame(std::optional<RecordId> existing) {
    if (existing) {
      // The user agreed to go on with the game of that name, and to have its combos of the
      // same names replaced: one change of the history, undone at once.
      result_.gameId = *existing;
      result_.reusedGame = true;
      batchSubject_ = "Game: " + recordName(store_, kGameLevel, *existing).value_or(game_.name);
      return true;
    }
    // The name is free under this transaction's lock; should the store still refuse, the
    // import ends.
    const RecordId added = insertUnlessTaken(store_, kGameLevel, 0, game_.name);
    if (added < 0) return false;
    result_.newGame = true;
    result_.gameId = added;
    return true;
  }

  bool addCharacter(const SpkCharacter& character, SiblingNames& characters) {
    RecordId characterId = 0;
    if (const auto existing = characters.find(store_, character.name)) {
      characterId = *existing;
      // Going on with a game's own character was agreed to; taking a second character of the
      // file into one is a merge the user must hear of.
      if (!fileCharacters_.insert(characterId).second)
        result_.report.mergedCharacters.push_back(
            {character.name, recordName(store_, kCharacterLevel, characterId).value_or(character.name)});
    } else {
      characterId = characters.insert(store_, character.name);
      if (characterId < 0) return false;
      result_.characters.push_back({character.name, characterId});
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
      result_.combos.push_back({combo.name, comboId});
      fromFile_.insert(comboId);
      return true;
    }
    // The user agreed to have the catalogue's combos replaced, not the file's own: a combo
    // this import stored or replaced keeps the file's first one of that name.
    if (result_.reusedGame && fromFile_.insert(*existing).second)
      return replaceBlock(store_, *existing, block, history_, &batch_) == ReplaceOutcome::Replaced;
    result_.report.skippedCombos.push_back({character.name, combo.name});
    return true;
  }

  CatalogueFile& file_;
  Store& store_;
  const SpkGame& game_;
  History history_;
  ImportResult result_;
  BlockBatch batch_;
  std::string batchSubject_;
  // The combos that hold a combo of the file: added or replaced by this import.
  std::unordered_set<RecordId> fromFile_;
  // The characters that hold a character of the file: added, or reused from the game.
  std::unordered_set<RecordId> fileCharacters_;
};

ImportResult notImported(ImportProblem problem, std::string reason = {}) {
  ImportResult result;
  result.outcome = problem == ImportProblem::NoGame ? Outcome::NotFound : Outcome::Refused;
  if (problem == ImportProblem::CannotOpen) result.outcome = Outcome::Failed;
  result.problem = problem;
  result.reason = std::move(reason);
  return result;
}

// Imports the bytes read, or tells why there are none. The bytes are let go once parsed.
ImportResult importContent(CatalogueFile& file, FileContent content, const std::filesystem::path& path,
                           Confirmation reuse, History history) {
  std::optional<SpkGame> game;
  {
    const FileContent held = std::move(content);
    switch (held.problem) {
      case FileContent::Problem::None: break;
      case FileContent::Problem::CannotOpen:
        return notImported(ImportProblem::CannotOpen, held.reason ? fileFailure(path, held.reason) : std::string());
      case FileContent::Problem::NotAFile: return notImported(ImportProblem::NotAFile);
      case FileContent::Problem::TooLarge: return notImported(ImportProblem::TooLarge);
    }
    game = parseSpk(held.bytes);
  }
  if (!game) return notImported(ImportProblem::Damaged);
  if (game->name.empty()) return notImported(ImportProblem::NoGame);
  return GameImport(file, *game, history).run(reuse);
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

ExportResult exportGameBytes(CatalogueFile& file, RecordId gameId, const std::filesystem::path& name) {
  file.takeReport();  // a report left from before must not pass for this export's
  auto read = readGameContent(file.store(), gameId);
  if (const auto* problem = std::get_if<GameReadProblem>(&read)) {
    if (*problem == GameReadProblem::Gone) return exportRefused(Outcome::NotFound, ExportProblem::NoGameData);
    return exportRefused(Outcome::Failed, ExportProblem::StoreFailed, file.takeReport());
  }
  GameContent& content = std::get<GameContent>(read);
  const SpkGame game{std::move(content.name), std::move(content.characters), false};
  const ExportNames names(game);
  if (std::string clashes = names.clashes(name); !clashes.empty())
    return exportRefused(Outcome::Refused, ExportProblem::NamesClash, {}, {std::move(clashes)});
  ExportResult result;
  result.bytes = encodeSpk(game);
  result.gameName = game.name;
  result.characters = game.characters.size();
  for (const SpkCharacter& character : game.characters) result.combos += character.combos.size();
  for (std::string notice : {names.shortened(name), dataNotOneBlock(game, name)})
    if (!notice.empty()) result.notices.push_back(std::move(notice));
  return result;
}

ExportResult exportGameFile(CatalogueFile& file, RecordId gameId, const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::equivalent(path, file.path(), error))
    return exportRefused(Outcome::Refused, ExportProblem::TargetIsCatalogue);
  std::error_code reason;
  auto created = ReplacementFile::create(path, reason);
  if (const auto* problem = std::get_if<ReplacementFile::Problem>(&created)) {
    if (*problem == ReplacementFile::Problem::NotAFile)
      return exportRefused(Outcome::Refused, ExportProblem::TargetNotAFile);
    return exportRefused(Outcome::Failed, ExportProblem::CannotOpen, fileFailure(path, reason));
  }
  ExportResult exported = exportGameBytes(file, gameId, path);
  if (!exported.done()) return exported;
  if (!std::get<ReplacementFile>(created).commit(exported.bytes, reason))
    return exportRefused(Outcome::Failed, ExportProblem::CannotWrite, fileFailure(path, reason));
  exported.bytes.clear();
  return exported;
}

ImportResult importGameFile(CatalogueFile& file, const std::filesystem::path& path, Confirmation reuseGame,
                            History history) {
  return importContent(file, readWholeFile(path, kMaxSpkFileSize), path, reuseGame, history);
}

ImportResult importGameStream(CatalogueFile& file, std::istream& in, Confirmation reuseGame, History history) {
  return importContent(file, streamContent(in), {}, reuseGame, history);
}

}  // namespace strikepad
