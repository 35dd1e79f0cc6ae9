#pragma once
// The catalogue as the window holds it, on a file the test made: the open file, the three
// lists in memory and the catalogue's flows over them; and sample games stored through the
// catalogue operations. Header only, so that the support library itself needs no store; the test
// programs that include it link one.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "flows/catalogue_flows.h"
#include "flows/pick_list.h"
#include "flows/prompts.h"
#include "operations/catalogue_operations.h"
#include "store/store.h"

namespace strikepad::testing {

// A combo's stored bytes as the operations read them; nullopt when it is gone or unreadable.
inline std::optional<std::vector<std::uint8_t>> storedData(Catalogue& catalogue, RecordId comboId) {
  BlockResult read = readComboData(catalogue.file(), comboId);
  if (!read.done()) return std::nullopt;
  return std::move(read.bytes);
}

struct CatalogueHarness {
  CatalogueHarness(const std::filesystem::path& path, Prompts& prompts)
      : file(path), catalogue(file, prompts, {games, characters, combos}) {}

  VectorPickList games, characters, combos;
  CatalogueFile file;
  Store& store = file.store();
  Catalogue catalogue;
};

// A game with characters, each with its combos, e.g. {"Street", {{"Ryu", {"Hadoken", "Shoryuken"}}}}.
struct CharacterSample {
  std::string name;
  std::vector<std::string> combos;
};
struct GameSample {
  std::string name;
  std::vector<CharacterSample> characters;
};

// What storeSample stored: the game's id and, in order, its characters' ids and its combos' ids
// (each negative where the store refused).
struct StoredSample {
  RecordId game = kNotStored;
  std::vector<RecordId> characters;
  std::vector<RecordId> combos;
};

// Stores `game` through the catalogue's adds; each combo holds the block `nextBlock` gives.
inline StoredSample storeSample(CatalogueFile& file, const GameSample& game,
                                const std::function<ComboBlock()>& nextBlock) {
  const auto idOf = [](const AddResult& added) { return added.done() ? added.id : kNotStored; };
  StoredSample stored;
  stored.game = idOf(addGame(file, game.name));
  for (const CharacterSample& character : game.characters) {
    const RecordId characterId = idOf(addCharacter(file, stored.game, character.name));
    stored.characters.push_back(characterId);
    for (const std::string& combo : character.combos) stored.combos.push_back(idOf(addCombo(file, characterId, combo, nextBlock())));
  }
  return stored;
}

}  // namespace strikepad::testing
