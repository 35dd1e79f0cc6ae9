#pragma once
// The catalogue as the window holds it, on a file the test made: the store, with its error
// report shown as a warning through the prompts (wired once, as the window wires it), the three
// lists in memory and the catalogue over them; and sample games stored through the catalogue's
// own operations. Header only, so that the support library itself needs no store; the test
// programs that include it link one.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/pick_list.h"
#include "catalogue/prompts.h"
#include "store/store.h"

namespace strikepad::testing {

struct CatalogueHarness {
  CatalogueHarness(const std::filesystem::path& file, Prompts& prompts)
      : store(file, [&prompts](const std::string& report) { prompts.warning(report); }),
        catalogue(store, prompts, {games, characters, combos}) {}

  VectorPickList games, characters, combos;
  Store store;
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
inline StoredSample storeSample(Catalogue& catalogue, const GameSample& game,
                                const std::function<ComboBlock()>& nextBlock) {
  StoredSample stored;
  stored.game = catalogue.StoreNewGame(game.name).id;
  for (const CharacterSample& character : game.characters) {
    const RecordId characterId = catalogue.StoreNewCharacter(character.name, stored.game).id;
    stored.characters.push_back(characterId);
    for (const std::string& combo : character.combos) {
      const ComboBlock block = nextBlock();
      stored.combos.push_back(catalogue.StoreNewCombo(combo, characterId, block.data(), block.size()).id);
    }
  }
  return stored;
}

}  // namespace strikepad::testing
