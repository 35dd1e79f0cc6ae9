// Export: one game with its characters and combos, in store order, into an .SPK file.

#include <filesystem>
#include <string>
#include <system_error>
#include <variant>
#include <vector>

#include "catalogue/catalogue.h"
#include "exchange/exchange_commands.h"
#include "exchange/exchange_messages.h"
#include "exchange/export_names.h"
#include "exchange/file_bytes.h"
#include "exchange/spk_format.h"
#include "store/store.h"
#include "store/transaction.h"

namespace strikepad {

namespace {

void appendCombos(std::vector<std::uint8_t>& out, Recordset& combos, ExportNames& names) {
  appendCount(out, static_cast<std::int32_t>(combos.recordCount()));
  for (; !combos.atEnd(); combos.moveNext()) {
    const FieldValue& data = combos.collect("data");
    const Bytes* bytes = std::get_if<Bytes>(&data);
    appendCombo(out, names.combo(combos.text("name")),
                bytes ? std::span<const std::uint8_t>(*bytes) : std::span<const std::uint8_t>());
  }
}

// The file's bytes, or why there are none: NoGameData or StoreFailed (already reported).
std::variant<std::vector<std::uint8_t>, ExportOutcome> gameFileBytes(Store& store, RecordId gameId,
                                                                     ExportNames& names) {
  // One snapshot: another program's writes cannot land between two queries of the game. It
  // only reads, so other programs may write meanwhile; it ends before the file is written.
  Transaction snapshot(store, Transaction::Writes::None);
  if (!snapshot.active()) return ExportOutcome::StoreFailed;
  std::vector<std::uint8_t> out;
  {
    auto game = store.OpenRecordset("game", "id=?", {std::int64_t{gameId}});
    if (!game || game->failed()) return ExportOutcome::StoreFailed;
    // A game the list shows but the store no longer holds has no name to write.
    if (game->recordCount() == 0) return ExportOutcome::NoGameData;
    appendName(out, names.game(game->text("name")));
  }
  auto characters = store.OpenRecordset("role", "gameid=?", {std::int64_t{gameId}});
  if (!characters || characters->failed()) return ExportOutcome::StoreFailed;
  appendCount(out, static_cast<std::int32_t>(characters->recordCount()));
  for (; !characters->atEnd(); characters->moveNext()) {
    appendName(out, names.character(characters->text("name")));
    auto combos = store.OpenRecordset("moves", "roleid=?", {std::int64_t{characters->integer("id")}});
    // The store has reported why; the character goes out without combos.
    if (!combos) {
      appendCount(out, 0);
      continue;
    }
    appendCombos(out, *combos, names);
  }
  return out;
}

}  // namespace

ExportOutcome OnExportGame(Catalogue& catalogue) {
  const std::string path = catalogue.prompts().chooseSaveFile(messages::kSpkFileFilter);
  if (path.empty()) return ExportOutcome::Cancelled;
  const PickList& games = catalogue.lists().games;
  if (!games.hasSelection()) return ExportOutcome::NoGameSelected;
  return ExportGameFile(catalogue, games.selectedId(), path);
}

std::variant<ExportedGame, ExportOutcome> ExportGameBytes(Catalogue& catalogue, RecordId gameId,
                                                          const std::filesystem::path& file) {
  ExportNames names;
  auto bytes = gameFileBytes(catalogue.store(), gameId, names);
  if (const auto* outcome = std::get_if<ExportOutcome>(&bytes)) {
    if (*outcome == ExportOutcome::NoGameData) catalogue.prompts().notice(std::string(messages::kCanNotFindGameData));
    return *outcome;
  }
  if (const std::string clashes = names.clashes(file); !clashes.empty()) {
    catalogue.prompts().notice(clashes);
    return ExportOutcome::NamesClash;
  }
  return ExportedGame{std::move(std::get<std::vector<std::uint8_t>>(bytes)), names.shortened(file)};
}

ExportOutcome ExportGameFile(Catalogue& catalogue, RecordId gameId, const std::filesystem::path& path) {
  Prompts& prompts = catalogue.prompts();
  std::error_code error;
  if (std::filesystem::equivalent(path, catalogue.store().path(), error)) {
    prompts.notice(messages::withFileName(messages::kTargetIsCatalogue, path));
    return ExportOutcome::TargetIsCatalogue;
  }
  auto created = ReplacementFile::create(path);
  if (const auto* problem = std::get_if<ReplacementFile::Problem>(&created)) {
    if (*problem == ReplacementFile::Problem::NotAFile) {
      prompts.notice(messages::withFileName(messages::kTargetNotAFile, path));
      return ExportOutcome::TargetNotAFile;
    }
    prompts.notice(messages::withFileName(messages::kCanNotOpen, path));
    return ExportOutcome::CannotOpen;
  }
  const auto exported = ExportGameBytes(catalogue, gameId, path);
  if (const auto* outcome = std::get_if<ExportOutcome>(&exported)) return *outcome;
  const ExportedGame& game = std::get<ExportedGame>(exported);
  if (!std::get<ReplacementFile>(created).commit(game.bytes)) {
    prompts.notice(messages::withFileName(messages::kCanNotWrite, path));
    return ExportOutcome::CannotWrite;
  }
  if (!game.shortenedNotice.empty()) prompts.notice(game.shortenedNotice);
  return ExportOutcome::Exported;
}

}  // namespace strikepad
