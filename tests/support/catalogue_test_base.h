#pragma once
// A catalogue on a fresh sp.dat in a temporary folder, with in-memory lists and scripted
// prompts: the set-up the catalogue and exchange tests share. Header only, so that the
// support library itself needs no store; the test programs that include it link one.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "scripted_prompts.h"
#include "store/schema.h"
#include "store/store.h"
#include "temp_dir.h"

namespace strikepad::testing {

class CatalogueTestBase : public ::testing::Test {
 protected:
  CatalogueTestBase() : store_(dir_ / "sp.dat"), catalogue_(store_, prompts_, {games_, characters_, combos_}) {}

  void SetUp() override {
    std::string message;
    ASSERT_TRUE(createCatalogue(store_.path(), message)) << message;
    ASSERT_TRUE(store_.ConnectStore());
  }

  static std::vector<std::string> texts(const VectorPickList& list) {
    std::vector<std::string> result;
    for (const auto& entry : list.entries()) result.push_back(entry.text);
    return result;
  }
  static std::string selected(const VectorPickList& list) { return list.hasSelection() ? list.selectedText() : "<none>"; }
  static std::vector<std::uint8_t> bytesOf(const ComboBlock& block) { return {block.begin(), block.end()}; }

  // A game with characters, each with its combos, e.g. {{"Ryu", {"Hadoken", "Shoryuken"}}};
  // each combo holds the block nextComboBlock() gives.
  struct CharacterSpec {
    std::string name;
    std::vector<std::string> combos;
  };
  // An add's or rename's outcome, with a refusal told as the catalogue's commands tell it.
  StoreResult told(StoreResult result, const char* parentGone = nullptr) {
    presentRefusal(prompts_, result, parentGone);
    return result;
  }

  RecordId addGame(const std::string& name, const std::vector<CharacterSpec>& characters = {}) {
    const RecordId game = catalogue_.StoreNewGame(name).id;
    EXPECT_GT(game, 0);
    for (const auto& character : characters) {
      const RecordId id = catalogue_.StoreNewCharacter(character.name, game).id;
      EXPECT_GT(id, 0);
      for (const auto& combo : character.combos) {
        const ComboBlock block = nextComboBlock();
        EXPECT_GT(catalogue_.StoreNewCombo(combo, id, block.data(), block.size()).id, 0);
      }
    }
    return game;
  }
  virtual ComboBlock nextComboBlock() = 0;

  TempDir dir_;
  ScriptedPrompts prompts_;
  VectorPickList games_, characters_, combos_;
  Store store_;
  Catalogue catalogue_;
};

}  // namespace strikepad::testing
