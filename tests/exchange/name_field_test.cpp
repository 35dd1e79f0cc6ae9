#include "exchange/name_field.h"

#include <gtest/gtest.h>

#include <string>

namespace strikepad {
namespace {

std::string fieldText(const NameField& field) { return textFromNameField(field.data()); }

TEST(NameField, ShortNamesAreZeroPadded) {
  const NameField field = nameFieldFromText("Ab");
  EXPECT_EQ(field[0], 0x41);
  EXPECT_EQ(field[1], 0x62);
  for (std::size_t i = 2; i < kNameFieldSize; ++i) EXPECT_EQ(field[i], 0) << "byte " << i;
}

TEST(NameField, LongNamesKeepTheirTerminatingZero) {
  const std::string fortyNine(49, 'x');
  EXPECT_EQ(fieldText(nameFieldFromText(fortyNine)), fortyNine);
  EXPECT_EQ(fieldText(nameFieldFromText(std::string(50, 'y'))), std::string(49, 'y'));
  EXPECT_EQ(nameFieldFromText(std::string(80, 'z')).back(), 0);
}

TEST(NameField, CuttingNeverSplitsACharacter) {
  // 48 bytes and then a two-byte character that would end at byte 50.
  const std::string name = std::string(48, 'a') + "\xC3\xA9";
  EXPECT_EQ(fieldText(nameFieldFromText(name)), std::string(48, 'a'));
  // 47 bytes and a three-byte character, "€", which fits no more than the two-byte one.
  EXPECT_EQ(fieldText(nameFieldFromText(std::string(47, 'a') + "\xE2\x82\xAC")), std::string(47, 'a'));
  EXPECT_EQ(fieldText(nameFieldFromText(std::string(46, 'a') + "\xE2\x82\xAC")),
            std::string(46, 'a') + "\xE2\x82\xAC");
}

TEST(NameField, AFieldWithoutZeroIsAFiftyByteName) {
  NameField field;
  field.fill('k');
  EXPECT_EQ(fieldText(field), std::string(50, 'k'));
}

TEST(NameField, BytesAfterTheZeroAreIgnored) {
  NameField field = nameFieldFromText("Ryu");
  field[10] = 'Q';
  EXPECT_EQ(fieldText(field), "Ryu");
}

TEST(NameField, Utf8NamesPassThrough) {
  EXPECT_EQ(fieldText(nameFieldFromText("Ren\xC3\xA9 \xE6\x98\xA5\xE9\xBA\x97")), "Ren\xC3\xA9 \xE6\x98\xA5\xE9\xBA\x97");
}

TEST(NameField, OtherCodePagesAreReadAsWindows1252) {
  NameField field{};
  const std::string legacy = "Caf\xE9 \x80\x96";  // "Café €–" in Windows-1252
  std::copy(legacy.begin(), legacy.end(), field.begin());
  EXPECT_EQ(fieldText(field), "Caf\xC3\xA9 \xE2\x82\xAC\xE2\x80\x93");
}

TEST(NameField, BytesNoCodePageDefinesBecomeReplacementCharacters) {
  NameField field{};
  const std::string legacy = "A\x81" "B\x9D";
  std::copy(legacy.begin(), legacy.end(), field.begin());
  EXPECT_EQ(fieldText(field), "A\xEF\xBF\xBD" "B\xEF\xBF\xBD");
}

TEST(NameField, AUtf8CharacterCutAtTheFieldEndIsNotBrokenText) {
  NameField field;
  field.fill('a');
  field[49] = 0xC3;  // first byte of a two-byte character with no room for the second
  const std::string text = fieldText(field);
  EXPECT_EQ(text, std::string(49, 'a') + "\xC3\x83") << "read as Windows-1252: Ã";
}

}  // namespace
}  // namespace strikepad
