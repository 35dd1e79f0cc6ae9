// The operations as both front ends call them: record ids in, outcomes out, and the store's
// report as the reason of a failure.

#include <gtest/gtest.h>

#include <string>

#include "new_catalogue_test.h"
#include "operations/catalogue_operations.h"
#include "operations/history_operations.h"
#include "operations/slot_operations.h"
#include "simulated_adapter.h"

namespace strikepad {
namespace {

class Operations : public NewCatalogueTest {
 protected:
  static ComboBlock blockOf(std::uint8_t first) {
    ComboBlock block = emptyComboBlock();
    block[0] = first;
    return block;
  }
};

TEST_F(Operations, AddsTellTheNewIdATakenNameAndAGoneParent) {
  const AddResult game = addGame(file_, "Fighters");
  ASSERT_TRUE(game.done());
  EXPECT_EQ(addGame(file_, "FIGHTERS").outcome, Outcome::NameTaken);
  const AddResult ryu = addCharacter(file_, game.id, "Ryu");
  ASSERT_TRUE(ryu.done());
  ASSERT_TRUE(deleteGame(file_, game.id).done());
  EXPECT_EQ(addCombo(file_, ryu.id, "Hadoken", blockOf(1)).outcome, Outcome::ParentGone);
  EXPECT_EQ(addCharacter(file_, game.id, "Ken").outcome, Outcome::ParentGone);
}

TEST_F(Operations, ARecordThatIsGoneIsNotFoundByRenameDeleteAndTheBlockOperations) {
  const RecordId gone = 4242;
  EXPECT_EQ(renameCombo(file_, gone, "Other").outcome, Outcome::NotFound);
  EXPECT_EQ(deleteCharacter(file_, gone).outcome, Outcome::NotFound);
  EXPECT_EQ(readComboData(file_, gone).outcome, Outcome::NotFound);
  EXPECT_EQ(replaceComboData(file_, gone, blockOf(1)).outcome, Outcome::NotFound);
}

TEST_F(Operations, AReplacedBlockIsInTheHistoryAndUndoBringsItBack) {
  const RecordId game = addGame(file_, "Fighters").id;
  const RecordId ryu = addCharacter(file_, game, "Ryu").id;
  const RecordId combo = addCombo(file_, ryu, "Hadoken", blockOf(1)).id;
  ASSERT_TRUE(replaceComboData(file_, combo, blockOf(2)).done());
  EXPECT_EQ(readComboData(file_, combo).bytes.at(0), 2);
  ASSERT_EQ(recentChanges(file_).changes.size(), 1U);
  const UndoneChange undone = undoNewest(file_);
  ASSERT_TRUE(undone.done());
  EXPECT_EQ(undone.restored.combo, combo);
  EXPECT_EQ(readComboData(file_, combo).bytes.at(0), 1);
  EXPECT_EQ(undoNewest(file_).outcome, Outcome::NotFound);
}

TEST_F(Operations, UndoOfAChangeNoLongerNewestIsRefusedWithTheReason) {
  const RecordId game = addGame(file_, "Fighters").id;
  ASSERT_TRUE(deleteGame(file_, game).done());
  const UndoneChange refused = undoNewest(file_, recentChanges(file_).changes.front().id + 1);
  EXPECT_EQ(refused.outcome, Outcome::Refused);
  EXPECT_EQ(refused.reason, "another program changed the catalogue meanwhile");
}

TEST_F(Operations, DownloadWritesTheStoredBlockAndSendsNothingForAComboThatIsGone) {
  testing::SimulatedAdapter adapter;
  DeviceLink link(adapter, LinkTiming{.pause = [](std::chrono::milliseconds) {}});
  const RecordId ryu = addCharacter(file_, addGame(file_, "Fighters").id, "Ryu").id;
  const RecordId combo = addCombo(file_, ryu, "Hadoken", blockOf(7)).id;
  ASSERT_TRUE(downloadCombo(file_, link, combo, 2, {}).done());
  EXPECT_EQ(adapter.slot(2), blockOf(7));
  ASSERT_TRUE(deleteCombo(file_, combo).done());
  EXPECT_EQ(downloadCombo(file_, link, combo, 3, {}).outcome, Outcome::NotFound);
  EXPECT_EQ(adapter.slot(3), emptyComboBlock());
}

}  // namespace
}  // namespace strikepad
