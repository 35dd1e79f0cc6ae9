// Find: names holding a text, anywhere in the catalogue, by the one name rule.

#include <gtest/gtest.h>

#include <string>

#include "new_catalogue_test.h"
#include "operations/catalogue_operations.h"
#include "operations/find_operations.h"

namespace strikepad {
namespace {

class Find : public NewCatalogueTest {
 protected:
  RecordId add(RecordId parent, const std::string& name) {
    const AddResult added = parent ? addCharacter(file_, parent, name) : addGame(file_, name);
    EXPECT_TRUE(added.done()) << name;
    return added.id;
  }
  RecordId addComboNamed(RecordId character, const std::string& name) {
    const AddResult added = addCombo(file_, character, name, emptyComboBlock());
    EXPECT_TRUE(added.done()) << name;
    return added.id;
  }
  std::vector<std::string> lines(const FindResult& found) {
    std::vector<std::string> lines;
    for (const FoundRecord& match : found.matches)
      lines.push_back(matchLine(match, [](std::string_view name) { return std::string(name); }));
    return lines;
  }
};

TEST_F(Find, NamesMatchByUnicodeCaseFolding) {
  const RecordId ryu = add(add(0, "Fighters"), "Ryu");
  addComboNamed(ryu, "Straße Kick");
  addComboNamed(ryu, "STRASSE PUNCH");
  addComboNamed(ryu, "Street");
  EXPECT_EQ(lines(findRecords(file_, "STRASSE")),
            (std::vector<std::string>{"Fighters / Ryu / Straße Kick", "Fighters / Ryu / STRASSE PUNCH"}));
  EXPECT_EQ(lines(findRecords(file_, "straße")).size(), 2U);
}

TEST_F(Find, MatchesAcrossGamesInTheListsOrderWithTheIdsOfEachLevel) {
  const RecordId fighters = add(0, "Fighters");
  const RecordId ken = add(fighters, "Ken");
  const RecordId hurricane = addComboNamed(ken, "Hurricane");
  const RecordId tekken = add(0, "Tekken");
  const RecordId jin = add(tekken, "Jin");
  addComboNamed(jin, "Kenpo Rush");
  addComboNamed(add(fighters, "Ryu"), "Hadoken");

  const FindResult found = findRecords(file_, "KEN");
  ASSERT_TRUE(found.done());
  EXPECT_EQ(lines(found), (std::vector<std::string>{"Fighters / Ken", "Fighters / Ryu / Hadoken", "Tekken",
                                                    "Tekken / Jin / Kenpo Rush"}));
  EXPECT_FALSE(found.more);
  const RecordPath& game = found.matches[2].path;
  EXPECT_EQ(game.game, tekken);
  EXPECT_EQ(game.character, 0);
  EXPECT_EQ(found.matches[0].path.character, ken);
  EXPECT_EQ(found.matches[0].path.combo, 0);

  const FindResult combo = findRecords(file_, "hurri");
  ASSERT_EQ(combo.matches.size(), 1U);
  EXPECT_EQ(combo.matches[0].path.game, fighters);
  EXPECT_EQ(combo.matches[0].path.character, ken);
  EXPECT_EQ(combo.matches[0].path.combo, hurricane);
}

TEST_F(Find, NothingMatchesAnUnknownOrEmptyText) {
  addComboNamed(add(add(0, "Fighters"), "Ryu"), "Hadoken");
  for (const std::string text : {"Shoryu", ""}) {
    const FindResult found = findRecords(file_, text);
    EXPECT_TRUE(found.done()) << text;
    EXPECT_TRUE(found.matches.empty()) << text;
  }
}

TEST_F(Find, ALimitKeepsTheFirstMatchesAndSaysThereAreMore) {
  const RecordId ryu = add(add(0, "Fighters"), "Ryu");
  for (const char* name : {"Kick 1", "Kick 2", "Kick 3"}) addComboNamed(ryu, name);
  const FindResult found = findRecords(file_, "kick", 2);
  EXPECT_EQ(lines(found), (std::vector<std::string>{"Fighters / Ryu / Kick 1", "Fighters / Ryu / Kick 2"}));
  EXPECT_TRUE(found.more);
  EXPECT_FALSE(findRecords(file_, "kick", 3).more);
}

}  // namespace
}  // namespace strikepad
