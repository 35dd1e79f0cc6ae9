#pragma once
// A catalogue on a fresh sp.dat in a temporary folder, with in-memory lists and scripted prompts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "scripted_prompts.h"
#include "store/schema.h"
#include "store/store.h"
#include "temp_dir.h"

namespace strikepad {

class CatalogueTest : public ::testing::Test {
 protected:
  CatalogueTest() : store_(dir_ / "sp.dat"), catalogue_(store_, prompts_, {games_, characters_, combos_}) {}

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

  // Names of one table's records (for a parent, when given), in store order.
  std::vector<std::string> stored(const char* table, const char* parentField = nullptr, RecordId parent = 0) {
    std::vector<std::string> names;
    auto records = parentField ? store_.OpenRecordset(table, std::string(parentField) + "=?", {std::int64_t{parent}})
                               : store_.OpenRecordset(table);
    for (; !records->atEnd(); records->moveNext()) names.push_back(records->text("name"));
    return names;
  }

  static ComboBlock blockWith(std::uint8_t firstByte) {
    ComboBlock block = emptyComboBlock();
    block[0] = firstByte;
    block[1] = 0;
    block[2] = block[3] = kAxisAtRest;
    return block;
  }

  static std::vector<std::uint8_t> bytesOf(const ComboBlock& block) { return {block.begin(), block.end()}; }

  RecordId addCombo(const std::string& name, RecordId characterId, std::uint8_t firstByte = 1) {
    const ComboBlock block = blockWith(firstByte);
    return catalogue_.StoreNewCombo(name, characterId, block.data(), block.size());
  }

  // A game with characters, each with its combos, e.g. {{"Ryu", {"Hadoken", "Shoryuken"}}}.
  struct CharacterSpec {
    std::string name;
    std::vector<std::string> combos;
  };
  RecordId addGame(const std::string& name, const std::vector<CharacterSpec>& characters = {}) {
    const RecordId game = catalogue_.StoreNewGame(name);
    EXPECT_GT(game, 0);
    for (const auto& character : characters) {
      const RecordId id = catalogue_.StoreNewCharacter(character.name, game);
      EXPECT_GT(id, 0);
      for (const auto& combo : character.combos) EXPECT_GT(addCombo(combo, id), 0);
    }
    return game;
  }

  testing::TempDir dir_;
  testing::ScriptedPrompts prompts_;
  VectorPickList games_, characters_, combos_;
  Store store_;
  Catalogue catalogue_;
};

}  // namespace strikepad
