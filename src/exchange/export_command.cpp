// Export: one game with its characters and combos, in store order, into an .SPK file.

#include <optional>
#include <variant>

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

// The file's bytes; nullopt when the game or its characters cannot be read.
std::optional<std::vector<std::uint8_t>> gameFileBytes(Store& store, RecordId gameId, ExportNames& names) {
  // One snapshot: another program's writes cannot land between two queries of the game.
  Transaction snapshot(store);
  if (!snapshot.active()) return std::nullopt;
  std::vector<std::uint8_t> out;
  {
    auto game = store.OpenRecordset("game", "id=?", {std::int64_t{gameId}});
    // A game the list shows but the store no longer holds has no name to write.
    if (!game || game->recordCount() == 0) return std::nullopt;
    appendName(out, names.game(game->text("name")));
  }
  auto characters = store.OpenRecordset("role", "gameid=?", {std::int64_t{gameId}});
  if (!characters || characters->failed()) return std::nullopt;
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

ExportOutcome ExportGameFile(Catalogue& catalogue, RecordId gameId, const std::filesystem::path& path) {
  Prompts& prompts = catalogue.prompts();
  auto file = ReplacementFile::create(path);
  if (!file) {
    prompts.notice(messages::withFileName(messages::kCanNotOpen, path));
    return ExportOutcome::CannotOpen;
  }
  ExportNames names;
  const auto bytes = gameFileBytes(catalogue.store(), gameId, names);
  if (!bytes) {
    prompts.notice(std::string(messages::kCanNotFindGameData));
    return ExportOutcome::NoGameData;
  }
  if (const std::string clashes = names.clashes(path); !clashes.empty()) {
    prompts.notice(clashes);
    return ExportOutcome::NamesClash;
  }
  if (!file->commit(*bytes)) {
    prompts.notice(messages::withFileName(messages::kCanNotWrite, path));
    return ExportOutcome::CannotWrite;
  }
  if (const std::string shortened = names.shortened(path); !shortened.empty()) prompts.notice(shortened);
  return ExportOutcome::Exported;
}

}  // namespace strikepad
