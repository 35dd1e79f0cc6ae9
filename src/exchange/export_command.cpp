// Export: one game with its characters and combos, in store order, into an .SPK file.

#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <variant>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_reads.h"
#include "combo/combo_block.h"
#include "exchange/exchange_commands.h"
#include "exchange/exchange_messages.h"
#include "exchange/export_names.h"
#include "files/file_bytes.h"
#include "exchange/spk_format.h"
#include "store/store.h"

namespace strikepad {

namespace {

// The game as its file holds it, or why there is none: NoGameData or StoreFailed (the store
// has reported why). It is read in one snapshot that ends before the file is written.
std::variant<SpkGame, ExportOutcome> gameToExport(Store& store, RecordId gameId) {
  auto read = readGameContent(store, gameId);
  if (const auto* problem = std::get_if<GameReadProblem>(&read))
    return *problem == GameReadProblem::Gone ? ExportOutcome::NoGameData : ExportOutcome::StoreFailed;
  GameContent& content = std::get<GameContent>(read);
  return SpkGame{std::move(content.name), std::move(content.characters), false};
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

}  // namespace

ExportResult OnExportGame(Catalogue& catalogue) {
  const PickList& games = catalogue.lists().games;
  const std::string gameName = games.hasSelection() ? games.selectedText() : std::string();
  const std::string path = catalogue.prompts().chooseSaveFile(messages::kSpkFileFilter, gameName);
  if (path.empty()) return {ExportOutcome::Cancelled};
  if (!games.hasSelection()) return {ExportOutcome::NoGameSelected};
  return exportGameFile(catalogue, games.selectedId(), path);
}

std::variant<ExportedGame, ExportResult> exportGameBytes(Catalogue& catalogue, RecordId gameId,
                                                         const std::filesystem::path& file) {
  const auto game = gameToExport(catalogue.store(), gameId);
  // After a store failure its report has been shown; this says what it meant for the export.
  if (const auto* outcome = std::get_if<ExportOutcome>(&game))
    return ExportResult{*outcome, {std::string(messages::kCanNotFindGameData)}};
  const SpkGame& content = std::get<SpkGame>(game);
  const ExportNames names(content);
  if (std::string clashes = names.clashes(file); !clashes.empty())
    return ExportResult{ExportOutcome::NamesClash, {std::move(clashes)}};
  ExportedGame exported{encodeSpk(content), {}};
  for (std::string notice : {names.shortened(file), dataNotOneBlock(content, file)})
    if (!notice.empty()) exported.notices.push_back(std::move(notice));
  return exported;
}

ExportResult exportGameFile(Catalogue& catalogue, RecordId gameId, const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::equivalent(path, catalogue.store().path(), error))
    return {ExportOutcome::TargetIsCatalogue, {messages::withFileName(messages::kTargetIsCatalogue, path)}};
  std::error_code reason;
  auto created = ReplacementFile::create(path, reason);
  if (const auto* problem = std::get_if<ReplacementFile::Problem>(&created)) {
    if (*problem == ReplacementFile::Problem::NotAFile)
      return {ExportOutcome::TargetNotAFile, {messages::withFileName(messages::kTargetNotAFile, path)}};
    return {ExportOutcome::CannotOpen, {messages::withFileFailure(messages::kCanNotOpen, path, reason)}};
  }
  auto exported = exportGameBytes(catalogue, gameId, path);
  if (auto* refused = std::get_if<ExportResult>(&exported)) return std::move(*refused);
  ExportedGame& game = std::get<ExportedGame>(exported);
  if (!std::get<ReplacementFile>(created).commit(game.bytes, reason))
    return {ExportOutcome::CannotWrite, {messages::withFileFailure(messages::kCanNotWrite, path, reason)}};
  return {ExportOutcome::Exported, std::move(game.notices)};
}

}  // namespace strikepad
