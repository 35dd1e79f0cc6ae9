#include "store/tables/catalogue_reads.h"

#include <utility>

#include "store/store.h"
#include "store/transaction.h"

namespace strikepad {

namespace {

std::optional<std::vector<NamedRecord>> namedRecords(Store& store, std::string_view table, std::string_view filter = {},
                                                     const std::vector<FieldValue>& params = {}) {
  std::vector<NamedRecord> named;
  const auto keep = [&named](std::int64_t id, std::string_view name) {
    named.push_back({static_cast<RecordId>(id), std::string(name)});
  };
  if (!store.forEachName(table, filter, params, keep)) return std::nullopt;
  return named;
}

std::vector<ComboContent> combosOf(Store& store, RecordId characterId) {
  std::vector<ComboContent> combos;
  auto records = store.OpenRecordset(kComboLevel.table, "roleid=?", {std::int64_t{characterId}}, "name, data");
  if (!records || records->failed()) return combos;
  combos.reserve(records->recordCount());
  for (; !records->atEnd(); records->moveNext()) {
    const Bytes* data = std::get_if<Bytes>(&records->collect("data"));
    combos.push_back({records->text("name"), data ? *data : Bytes()});
  }
  return combos;
}

}  // namespace

GameByName findGameByName(Store& store, const std::string& name) {
  return findRecordByName(store, kGameLevel, 0, name);
}

GameByName findRecordByName(Store& store, const Level& level, RecordId parentId, const std::string& name) {
  std::optional<Recordset> records;
  if (level.parentField)
    records = store.OpenRecordset(level.table, std::string(level.parentField) + "=? and name=? collate name_fold",
                                  {std::int64_t{parentId}, name}, "id");
  else
    records = store.OpenRecordset(level.table, "name=? collate name_fold", {name}, "id");
  if (!records || records->failed()) return {true, std::nullopt};
  if (records->atEnd()) return {};
  return {false, records->integer("id")};
}

std::optional<std::string> recordName(Store& store, const Level& level, RecordId id) {
  auto records = store.OpenRecordset(level.table, "id=?", {std::int64_t{id}}, "name");
  if (!records || records->atEnd()) return std::nullopt;
  return records->text("name");
}

std::variant<GameContent, GameReadProblem> readGameContent(Store& store, RecordId gameId) {
  Transaction snapshot(store, Transaction::Writes::None);
  if (!snapshot.active()) return GameReadProblem::Failed;
  GameContent game;
  {
    auto record = store.OpenRecordset(kGameLevel.table, "id=?", {std::int64_t{gameId}}, "name");
    if (!record || record->failed()) return GameReadProblem::Failed;
    if (record->atEnd()) return GameReadProblem::Gone;
    game.name = record->text("name");
  }
  auto characters = charactersOf(store, gameId);
  if (!characters) return GameReadProblem::Failed;
  game.characters.reserve(characters->size());
  for (NamedRecord& character : *characters)
    game.characters.push_back({std::move(character.name), combosOf(store, character.id)});
  return game;
}

std::optional<std::vector<NamedRecord>> allGames(Store& store) {
  return namedRecords(store, kGameLevel.table);
}

std::optional<std::vector<NamedRecord>> charactersOf(Store& store, RecordId gameId) {
  return namedRecords(store, kCharacterLevel.table, "gameid=?", {std::int64_t{gameId}});
}

std::optional<std::vector<NamedRecord>> comboNamesOf(Store& store, RecordId characterId) {
  return namedRecords(store, kComboLevel.table, "roleid=?", {std::int64_t{characterId}});
}

std::optional<std::vector<ComboSize>> comboSizesOf(Store& store, RecordId characterId) {
  // The size alone, not the bytes: a walk holds no combo data.
  auto records =
      store.OpenRecordset(kComboLevel.table, "roleid=?", {std::int64_t{characterId}}, "id, name, length(data) as size");
  if (!records || records->failed()) return std::nullopt;
  std::vector<ComboSize> combos;
  combos.reserve(records->recordCount());
  for (; !records->atEnd(); records->moveNext())
    combos.push_back({records->integer("id"), records->text("name"), toInteger(records->collect("size"))});
  return combos;
}

}  // namespace strikepad
