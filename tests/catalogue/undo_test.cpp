// The history of destructive changes and undo: every delete and replaced block is recorded,
// and the newest change comes back exactly as it was, or is refused with nothing changed.

#include "catalogue/undo.h"
#include "catalogue_fixture.h"
#include "store/history_tables.h"
#include "store/sqlite_handles.h"

namespace strikepad {
namespace {

class Undo : public CatalogueTest {
 protected:
  // Every record of the three tables, each value with its type, in store order: equal dumps
  // mean byte-identical records.
  std::vector<std::string> dump() {
    std::vector<std::string> lines;
    for (const char* table : {"game", "role", "moves"}) {
      const StatementHandle query =
          prepareStatement(store_.handle(), std::string("select * from ") + table + " order by id");
      while (sqlite3_step(query.get()) == SQLITE_ROW) {
        std::string line = table;
        for (int i = 0; i < sqlite3_column_count(query.get()); ++i) {
          line += std::string("|") + std::to_string(sqlite3_column_type(query.get(), i)) + ":";
          const FieldValue value = columnValue(query.get(), i);
          line += toText(value);
        }
        lines.push_back(line);
      }
    }
    return lines;
  }
  std::vector<std::string> history() {
    std::vector<std::string> lines;
    const auto changes = recentChanges(store_);
    for (const Change& change : changes.value()) lines.push_back(describe(change));
    return lines;
  }
  RecordId fighters() { return addGame("Fighters", {{"Ryu", {"Hadoken", "Shoryuken"}}, {"Ken", {"Tatsu"}}}); }
  RecordId idOf(const char* table, const std::string& name) {
    auto record = store_.OpenRecordset(table, "name=?", {name}, "id");
    return record->integer("id");
  }
  void expectUndoneTo(const std::vector<std::string>& before) {
    EXPECT_EQ(undoNewest(store_).kind, UndoResult::Kind::Undone);
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(history(), std::vector<std::string>{});
  }
};

// Each undo puts the catalogue back as it was, so the three deletes run one after another.
TEST_F(Undo, ADeletedGameCharacterOrComboComesBackByteForByte) {
  const RecordId game = fighters();
  addGame("Other", {{"Jin", {"EWGF"}}});
  const auto before = dump();
  ASSERT_EQ(catalogue_.RemoveGame(game), DeleteOutcome::Deleted);
  EXPECT_EQ(history(), std::vector<std::string>{"the delete of Game: Fighters (2 characters, 3 combos)"});
  expectUndoneTo(before);

  ASSERT_EQ(catalogue_.RemoveCharacter(idOf("role", "Ryu")), DeleteOutcome::Deleted);
  EXPECT_EQ(history(), std::vector<std::string>{"the delete of Character: Ryu of Fighters (2 combos)"});
  expectUndoneTo(before);

  ASSERT_EQ(catalogue_.RemoveCombo(idOf("moves", "Shoryuken")), DeleteOutcome::Deleted);
  EXPECT_EQ(history(), std::vector<std::string>{"the delete of Combo: Shoryuken of Ryu"});
  expectUndoneTo(before);
}

TEST_F(Undo, AReplacedBlockComesBackIntoItsRecord) {
  fighters();
  const auto before = dump();
  const ComboBlock other = blockWith(9);
  ASSERT_EQ(catalogue_.ReplaceComboData(idOf("moves", "Tatsu"), other.data(), other.size()), 1);
  EXPECT_EQ(history(), std::vector<std::string>{"the replacement of the block of Combo: Tatsu of Ken"});
  expectUndoneTo(before);
}

TEST_F(Undo, ABlockReplacedByTheSameBytesRecordsNothing) {
  fighters();
  const ComboBlock same = blockWith(1);
  ASSERT_EQ(catalogue_.ReplaceComboData(idOf("moves", "Tatsu"), same.data(), same.size()), 1);
  EXPECT_EQ(history(), std::vector<std::string>{});
}

TEST_F(Undo, IsRefusedWhileARecordOfTheSameNameStandsWhereItWouldComeBack) {
  const RecordId game = fighters();
  catalogue_.RemoveGame(game);
  catalogue_.StoreNewGame("FIGHTERS");
  const auto before = dump();

  const UndoResult refused = undoNewest(store_);
  EXPECT_EQ(refused.kind, UndoResult::Kind::Refused);
  EXPECT_EQ(refusalText(refused),
            "Can not undo the delete of Game: Fighters (2 characters, 3 combos): a game named \"FIGHTERS\" stands "
            "there now.");
  EXPECT_EQ(dump(), before);
  EXPECT_EQ(history().size(), 1u) << "the change stays in the history";
}

TEST_F(Undo, IsRefusedWhenTheParentIsGone) {
  fighters();
  catalogue_.RemoveCombo(idOf("moves", "Tatsu"));
  ASSERT_TRUE(store_.execute("delete from role where name='Ken'"));  // as a program without a history would
  const auto before = dump();

  const UndoResult refused = undoNewest(store_);
  EXPECT_EQ(refused.kind, UndoResult::Kind::Refused);
  EXPECT_EQ(refused.reason, "the character it belonged to is gone");
  EXPECT_EQ(dump(), before);
}

TEST_F(Undo, TakesBackTheNewestChangeFirst) {
  fighters();
  const auto withBoth = dump();
  catalogue_.RemoveCombo(idOf("moves", "Hadoken"));
  const auto withoutHadoken = dump();
  catalogue_.RemoveCombo(idOf("moves", "Tatsu"));

  EXPECT_EQ(undoNewest(store_).kind, UndoResult::Kind::Undone);
  EXPECT_EQ(dump(), withoutHadoken);
  EXPECT_EQ(undoNewest(store_).kind, UndoResult::Kind::Undone);
  EXPECT_EQ(dump(), withBoth);
  EXPECT_EQ(undoNewest(store_).kind, UndoResult::Kind::NothingToUndo);
}

TEST_F(Undo, KeepsTheNewestHundredChanges) {
  ASSERT_TRUE(store_.execute("pragma synchronous=off"));  // 101 commits, none of which the test needs on disk
  addGame("Fighters", {{"Ryu", {}}});
  const RecordId ryu = idOf("role", "Ryu");
  for (int i = 0; i <= kHistoryLimit; ++i) catalogue_.RemoveCombo(addCombo("Combo " + std::to_string(i), ryu));

  const auto kept = history();
  ASSERT_EQ(kept.size(), static_cast<std::size_t>(kHistoryLimit));
  EXPECT_EQ(kept.front(), "the delete of Combo: Combo 100 of Ryu");
  EXPECT_EQ(kept.back(), "the delete of Combo: Combo 1 of Ryu");
  auto dropped = store_.OpenRecordset("history_record", "name='Combo 0'", {}, "recordid as id");
  EXPECT_EQ(dropped->recordCount(), 0u) << "the dropped change's records go with it";
}

TEST_F(Undo, ACatalogueWithoutAHistoryWorksAndGainsItOnItsFirstDestructiveChange) {
  const auto layout = [this] {
    auto tables = store_.OpenRecordset("sqlite_master", "name in ('game','role','moves')", {}, "rowid as id, sql");
    std::vector<std::string> sql;
    for (; !tables->atEnd(); tables->moveNext()) sql.push_back(tables->text("sql"));
    return sql;
  };
  const auto tablesBefore = layout();
  fighters();
  catalogue_.RenameGame(idOf("game", "Fighters"), "Fighters II");
  EXPECT_FALSE(hasHistoryTables(store_));
  EXPECT_EQ(undoNewest(store_).kind, UndoResult::Kind::NothingToUndo);

  catalogue_.RemoveCombo(idOf("moves", "Tatsu"));
  EXPECT_TRUE(hasHistoryTables(store_));
  EXPECT_EQ(history().size(), 1u);
  EXPECT_EQ(layout(), tablesBefore);
}

}  // namespace
}  // namespace strikepad
