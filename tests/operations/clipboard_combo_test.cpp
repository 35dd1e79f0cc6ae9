// Copy and paste of a combo as the operations see it: the stored block and its script out, and
// the block a paste takes over its text, or why it takes none. The parsed text's error and
// warnings are tested with the window's flow, which tells them.

#include <gtest/gtest.h>

#include <string>

#include "combo/script_printer.h"
#include "new_catalogue_test.h"
#include "operations/catalogue_operations.h"
#include "operations/clipboard_combo.h"

namespace strikepad {
namespace {

using ClipboardCombos = NewCatalogueTest;

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
