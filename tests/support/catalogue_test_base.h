#pragma once
// A catalogue on a fresh sp.dat in a temporary folder, with in-memory lists and scripted
// prompts: the set-up the catalogue and exchange tests share. Header only, like the harness.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "flows/catalogue_flows.h"
#include "catalogue_harness.h"
#include "scripted_prompts.h"
#include "store/schema.h"
#include "store/store.h"
#include "temp_dir.h"

namespace strikepad::testing {

class CatalogueTestBase : public ::testing::Test {
 protected:
  CatalogueTestBase() : harness_(dir_ / "sp.dat", prompts_) {}

  void SetUp() override {
    std::string message;
    ASSERT_TRUE(createCatalogue(store_.path(), message)) << message;
    ASSERT_TRUE(file_.open().done());
  }

  static std::vector<std::string> texts(const VectorPickList& list) {
    std::vector<std::string> result;
    for (const auto& entry : list.entries()) result.push_back(entry.text);
    return result;
  }
  static std::string selected(const VectorPickList& list) { return list.hasSelection() ? list.selectedText() : "<none>"; }
  static std::vector<std::uint8_t> bytesOf(const ComboBlock& block) { return {block.begin(), block.end()}; }

  // An operation's outcome, with a refusal told as the catalogue's commands tell it.
  template <typename Told>
  Told told(Told result, const char* parentGone = nullptr) {
    presentRefusal(prompts_, result, parentGone);
    return result;
  }

  // A game with characters, each with its combos, e.g. {{"Ryu", {"Hadoken", "Shoryuken"}}};
  // each combo holds the block nextComboBlock() gives.
  RecordId addGame(const std::string& name, const std::vector<CharacterSample>& characters = {}) {
    const StoredSample stored = storeSample(file_, {name, characters}, [this] { return nextComboBlock(); });
    EXPECT_GT(stored.game, 0);
    for (const RecordId id : stored.characters) EXPECT_GT(id, 0);
    for (const RecordId id : stored.combos) EXPECT_GT(id, 0);
    return stored.game;
  }
  virtual ComboBlock nextComboBlock() = 0;

  TempDir dir_;
  ScriptedPrompts prompts_;
  CatalogueHarness harness_;
  VectorPickList& games_ = harness_.games;
  VectorPickList& characters_ = harness_.characters;
  VectorPickList& combos_ = harness_.combos;
  CatalogueFile& file_ = harness_.file;
  Store& store_ = harness_.store;
  Catalogue& catalogue_ = harness_.catalogue;
};

}  // namespace strikepad::testing
