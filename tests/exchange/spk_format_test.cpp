#include "exchange/spk_format.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "spk_bytes.h"

namespace strikepad {
namespace {

using testing::sampleBlock;
using testing::SpkBytes;

SpkGame twoComboGame() {
  return SpkGame{"Street Brawler",
                 {{"Kenji", {{"Hurricane", sampleBlock(1)}, {"Uppercut", sampleBlock(2)}}}},
                 false};
}

TEST(SpkWriter, AGameWithoutCharactersIsFiftyFourBytes) {
  const auto bytes = encodeSpk(SpkGame{"Ab", {}, false});
  EXPECT_EQ(bytes, SpkBytes().name("Ab").count(0).bytes());
  EXPECT_EQ(bytes.size(), 54u);
}

TEST(SpkWriter, OneCharacterWithTwoCombosIs936Bytes) {
  const auto bytes = encodeSpk(twoComboGame());
  EXPECT_EQ(bytes.size(), 936u);
  EXPECT_EQ(bytes, SpkBytes().name("Street Brawler").count(1).kenjiWithTwoCombos().bytes());
}

TEST(SpkWriter, CountsAndSizesAreLittleEndian) {
  const auto bytes = encodeSpk(SpkGame{"G", {{"C", {{"X", std::vector<std::uint8_t>(0x0102, 0)}}}}, false});
  const std::size_t sizeField = 3 * kNameFieldSize + 2 * kCountSize;
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + sizeField, bytes.begin() + sizeField + kCountSize),
            (std::vector<std::uint8_t>{2, 1, 0, 0}));
}

TEST(SpkWriter, ComboDataIsWrittenAsStoredUpToOneBlock) {
  const auto bytes =
      encodeSpk(SpkGame{"G", {{"C", {{"None", {}}, {"Big", std::vector<std::uint8_t>(400, 0x11)}}}}, false});
  EXPECT_EQ(bytes, SpkBytes()
                       .name("G")
                       .count(1)
                       .name("C")
                       .count(2)
                       .combo("None", {})  // an empty data field is size 0 and no bytes
                       .combo("Big", std::vector<std::uint8_t>(360, 0x11))
                       .bytes());
}

TEST(SpkReader, ReadsWhatTheWriterWrote) {
  const SpkGame game{"Arena",
                     {{"Kenji", {{"Hurricane", sampleBlock(1)}, {"Short", {1, 2, 3}}, {"Empty", {}}}},
                      {"Mei", {}},
                      {"Ros\xC3\xA9", {{"Spin", sampleBlock(9)}}}},
                     false};
  const auto read = parseSpk(encodeSpk(game));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->name, "Arena");
  EXPECT_FALSE(read->endsAtEmptyName);
  ASSERT_EQ(read->characters.size(), 3u);
  EXPECT_EQ(read->characters[0].name, "Kenji");
  ASSERT_EQ(read->characters[0].combos.size(), 3u);
  EXPECT_EQ(read->characters[0].combos[0].data, sampleBlock(1));
  EXPECT_EQ(read->characters[0].combos[1].data, (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_TRUE(read->characters[0].combos[2].data.empty());
  EXPECT_TRUE(read->characters[1].combos.empty());
  EXPECT_EQ(read->characters[2].name, "Ros\xC3\xA9");
  EXPECT_EQ(read->characters[2].combos[0].name, "Spin");
}

TEST(SpkReader, EmptyFileOrEmptyGameNameHoldsNothing) {
  for (const auto& bytes : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{0},
                            SpkBytes().name("").count(5).bytes()}) {
    const auto read = parseSpk(bytes);
    ASSERT_TRUE(read) << "not damaged, just empty";
    EXPECT_TRUE(read->name.empty());
    EXPECT_TRUE(read->characters.empty());
  }
}

TEST(SpkReader, AFileCutShortAnywhereIsDamaged) {
  const auto whole = encodeSpk(twoComboGame());
  for (std::size_t length = 1; length < whole.size(); ++length)
    EXPECT_FALSE(parseSpk(std::span(whole).first(length))) << "cut to " << length << " bytes";
}

TEST(SpkReader, BytesAfterTheLastRecordAreDamage) {
  auto bytes = encodeSpk(twoComboGame());
  bytes.push_back(0);
  EXPECT_FALSE(parseSpk(bytes));
}

TEST(SpkReader, CountsAndSizesOutsideTheFormatAreDamage) {
  EXPECT_FALSE(parseSpk(SpkBytes().name("G").count(-1).bytes()));
  EXPECT_FALSE(parseSpk(SpkBytes().name("G").count(1).name("C").count(-3).bytes()));
  EXPECT_FALSE(parseSpk(SpkBytes().name("G").count(1).name("C").count(1).name("X").count(361).raw(
      std::vector<std::uint8_t>(361, 0)).bytes()));
  EXPECT_FALSE(parseSpk(SpkBytes().name("G").count(1).name("C").count(1).name("X").count(-1).bytes()));
  // A count the rest of the file cannot hold, with nothing after it, is damage, not a
  // reason to make room for two billion records.
  EXPECT_FALSE(parseSpk(SpkBytes().name("G").count(0x7FFFFFFF).name("C").count(0).bytes()));
  EXPECT_FALSE(parseSpk(SpkBytes().name("G").count(1).name("C").count(0x7FFFFFFF).bytes()));
}

TEST(SpkReader, AnyDataSizeFromZeroTo360IsAccepted) {
  for (const std::size_t size : {0u, 1u, 8u, 359u, 360u}) {
    const auto read = parseSpk(
        SpkBytes().name("G").count(1).name("C").count(1).combo("X", std::vector<std::uint8_t>(size, 0x42)).bytes());
    ASSERT_TRUE(read) << size;
    EXPECT_EQ(read->characters[0].combos[0].data.size(), size);
  }
}

TEST(SpkReader, AnEmptyNameEndsTheContentOnlyAsTheFilesLastField) {
  const auto atCharacter =
      parseSpk(SpkBytes().name("G").count(3).name("First").count(1).combo("A", sampleBlock(1)).name("").bytes());
  ASSERT_TRUE(atCharacter);
  EXPECT_TRUE(atCharacter->endsAtEmptyName);
  ASSERT_EQ(atCharacter->characters.size(), 1u);
  EXPECT_EQ(atCharacter->characters[0].combos.size(), 1u);

  const auto atCombo =
      parseSpk(SpkBytes().name("G").count(2).name("First").count(4).combo("A", sampleBlock(1)).name("").bytes());
  ASSERT_TRUE(atCombo);
  EXPECT_TRUE(atCombo->endsAtEmptyName);
  ASSERT_EQ(atCombo->characters.size(), 1u);
  EXPECT_EQ(atCombo->characters[0].combos.size(), 1u);

  // A zeroed name with records after it: the rest would be dropped unseen.
  auto zeroed = SpkBytes().name("G").count(2).kenjiWithTwoCombos().name("Mei").count(0).bytes();
  std::fill_n(zeroed.begin() + 50 + 4 + 50 + 4 + (50 + 4 + 360), 50, 0);
  EXPECT_FALSE(parseSpk(zeroed));
  EXPECT_FALSE(parseSpk(SpkBytes().name("G").count(3).name("First").count(0).name("").raw({0xDE, 0xAD}).bytes()));
}

TEST(SpkReader, NamesAreDecodedAsTheNameFieldSays) {
  const auto read = parseSpk(SpkBytes().name("Caf\xE9").count(0).bytes());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->name, "Caf\xC3\xA9");
}

}  // namespace
}  // namespace strikepad
