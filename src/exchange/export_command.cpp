// Export: one game with its characters and combos, in store order, into an .SPK file.

#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <variant>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_reads.h"
#include "exchange/exchange_commands.h"
#include "exchange/exchange_messages.h"
#include "exchange/export_names.h"
#include "exchange/file_bytes.h"
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
  if (const auto* outcome = std::get_if<ExportOutcome>(&game)) {
    if (*outcome == ExportOutcome::NoGameData)
      return ExportResult{*outcome, {std::string(messages::kCanNotFindGameData)}};
    return ExportResult{*outcome};
  }
  const ExportNames names(std::get<SpkGame>(game));
  if (std::string clashes = names.clashes(file); !clashes.empty())
    return ExportResult{ExportOutcome::NamesClash, {std::move(clashes)}};
  return ExportedGame{encodeSpk(std::get<SpkGame>(game)), names.shortened(file)};
}

ExportResult exportGameFile(Catalogue& catalogue, RecordId gameId, const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::equivalent(path, catalogue.store().path(), error))
    return {ExportOutcome::TargetIsCatalogue, {messages::withFileName(messages::kTargetIsCatalogue, path)}};
  auto created = ReplacementFile::create(path);
  if (const auto* problem = std::get_if<ReplacementFile::Problem>(&created)) {
    if (*problem == ReplacementFile::Problem::NotAFile)
      return {ExportOutcome::TargetNotAFile, {messages::withFileName(messages::kTargetNotAFile, path)}};
    return {ExportOutcome::CannotOpen, {messages::withFileName(messages::kCanNotOpen, path)}};
  }
  auto exported = exportGameBytes(catalogue, gameId, path);
  if (auto* refused = std::get_if<ExportResult>(&exported)) return std::move(*refused);
  ExportedGame& game = std::get<ExportedGame>(exported);
  if (!std::get<ReplacementFile>(created).commit(game.bytes))
    return {ExportOutcome::CannotWrite, {messages::withFileName(messages::kCanNotWrite, path)}};
  ExportResult result{ExportOutcome::Exported};
  if (!game.shortenedNotice.empty()) result.notices.push_back(std::move(game.shortenedNotice));
  return result;
}

}  // namespace strikepad
