// Copy and paste of a combo as the operations see it: the stored block and its script out, and
// from the block (when there is one) or the text, what a paste would store or why not.

#include <gtest/gtest.h>

#include <string>

#include "combo/script_printer.h"
#include "operations/catalogue_operations.h"
#include "operations/clipboard_combo.h"
#include "store/schema.h"
#include "temp_dir.h"

namespace strikepad {
namespace {

class ClipboardCombos : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string message;
    ASSERT_TRUE(createCatalogue(file_.path(), message)) << message;
    ASSERT_TRUE(file_.open().done());
  }

  testing::TempDir dir_;
  CatalogueFile file_{dir_ / "sp.dat"};
};

// One step, then the end marker, then bytes that no script text carries.
ComboBlock blockWithATail() {
  ComboBlock block = emptyComboBlock();
  block[0] = 1;
  block[1] = 0;
  block[2] = block[3] = block[4] = block[5] = kAxisAtRest;
  block[6] = 100;
  block[7] = 0;
  block[kBlockSize - 1] = 0x42;
  return block;
}

TEST_F(ClipboardCombos, ACopyPastesBackItsStoredBytesNotWhatItsTextWouldParseTo) {
  const RecordId ryu = addCharacter(file_, addGame(file_, "Fighters").id, "Ryu").id;
  const ComboBlock stored = blockWithATail();
  const CopiedCombo copied = copyCombo(file_, addCombo(file_, ryu, "Hadoken", stored).id);
  ASSERT_TRUE(copied.done());
  EXPECT_EQ(copied.content.text, printScript(stored));
  const PastedCombo pasted = pastedCombo(copied.content);
  ASSERT_TRUE(pasted.done());
  EXPECT_EQ(pasted.block, stored);
  EXPECT_EQ(copyCombo(file_, 4242).outcome, Outcome::NotFound);
}

TEST_F(ClipboardCombos, TextAloneIsParsedAndItsErrorOrWarningsTold) {
  const PastedCombo parsed = pastedCombo({"100 up\r\n70000 cross\r\n", std::nullopt});
  ASSERT_TRUE(parsed.done());
  ASSERT_EQ(parsed.warnings.size(), 1u);
  EXPECT_EQ(parsed.warnings[0].message, "step 2: time 70000 is outside 0..65535 and is stored as 4464");

  const PastedCombo broken = pastedCombo({"100 up\nlunch at noon?\n", std::nullopt});
  EXPECT_EQ(broken.outcome, Outcome::Refused);
  EXPECT_EQ(broken.reason, "time error in line 2");
}

TEST_F(ClipboardCombos, ABlockOfAnotherSizeOrWithoutStepsIsRefused) {
  const PastedCombo shortBlock = pastedCombo({"100 up", std::vector<std::uint8_t>(12, 1)});
  EXPECT_EQ(shortBlock.outcome, Outcome::Refused);
  EXPECT_EQ(shortBlock.reason, "the combo on the clipboard is 12 bytes long, not 360");
  const ComboBlock empty = emptyComboBlock();
  EXPECT_EQ(pastedCombo({"100 up", std::vector<std::uint8_t>(empty.begin(), empty.end())}).reason,
            "the combo holds no step");
  EXPECT_EQ(pastedCombo({" \n", std::nullopt}).reason, "the clipboard holds no combo");
}

}  // namespace
}  // namespace strikepad
