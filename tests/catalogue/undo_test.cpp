// The history of destructive changes and undo: every delete and replaced block is recorded,
// and the newest change comes back exactly as it was, or is refused with nothing changed.

#include "flows/history_texts.h"
#include "operations/block_replacement.h"
#include "history/undo.h"
#include "catalogue_fixture.h"
#include "store/tables/history_table.h"
#include "store/sqlite_handles.h"
#include "store/transaction.h"

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
          line.append("|").append(std::to_string(sqlite3_column_type(query.get(), i))).append(":");
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
  void execute(const std::string& sql) { ASSERT_TRUE(store_.execute(sql)) << sql; }
  void expectUndoneTo(const std::vector<std::string>& before) {
    EXPECT_EQ(undoNewest(store_).kind, UndoResult::Kind::Undone);
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(history(), std::vector<std::string>{});
  }
};

// Ctrl+Z as the window runs it: nothing to undo, then the question naming the change, then the
// lists on what came back: its game, its character and the combo itself, not the list's first.
TEST_F(Undo, CtrlZAsksNamingTheChangeAndSelectsTheComboThatCameBack) {
  fighters();
  catalogue_.OnUndo();
  EXPECT_EQ(prompts_.notices(), std::vector<std::string>{"There is nothing to undo."});
  ASSERT_EQ(deleteCombo(file_, idOf("moves", "Shoryuken")).outcome, Outcome::Done);
  addGame("Other", {{"Jin", {"EWGF"}}});
  catalogue_.FillGameList();
  games_.select(1);
  catalogue_.FillCharacterList();

  prompts_.answerAsk(true);
  catalogue_.OnUndo();
  EXPECT_EQ(prompts_.questions(), std::vector<std::string>{"Undo the delete of Combo: Shoryuken of Ryu?"});
  EXPECT_EQ(selected(games_), "Fighters");
  EXPECT_EQ(selected(characters_), "Ryu");
  EXPECT_EQ(selected(combos_), "Shoryuken");
}

// Each undo puts the catalogue back as it was, so the three deletes run one after another.
TEST_F(Undo, ADeletedGameCharacterOrComboComesBackByteForByte) {
  const RecordId game = fighters();
  addGame("Other", {{"Jin", {"EWGF"}}});
  const auto before = dump();
  ASSERT_EQ(deleteGame(file_, game).outcome, Outcome::Done);
  EXPECT_EQ(history(), std::vector<std::string>{"the delete of Game: Fighters (2 characters, 3 combos)"});
  expectUndoneTo(before);

  ASSERT_EQ(deleteCharacter(file_, idOf("role", "Ryu")).outcome, Outcome::Done);
  EXPECT_EQ(history(), std::vector<std::string>{"the delete of Character: Ryu of Fighters (2 combos)"});
  expectUndoneTo(before);

  ASSERT_EQ(deleteCombo(file_, idOf("moves", "Shoryuken")).outcome, Outcome::Done);
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
  deleteGame(file_, game);
  catalogue_.StoreNewGame("FIGHTERS");
  const auto before = dump();

  const UndoResult refused = undoNewest(store_);
  EXPECT_EQ(refused.kind, UndoResult::Kind::Refused);
  EXPECT_EQ(history_texts::refusalText(refused.change, refused.reason),
            "Can not undo the delete of Game: Fighters (2 characters, 3 combos): a game named \"FIGHTERS\" stands "
            "there now.");
  EXPECT_EQ(dump(), before);
  EXPECT_EQ(history().size(), 1u) << "the change stays in the history";
}

TEST_F(Undo, IsRefusedWhenTheParentIsGone) {
  fighters();
  deleteCombo(file_, idOf("moves", "Tatsu"));
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
  deleteCombo(file_, idOf("moves", "Hadoken"));
  const auto withoutHadoken = dump();
  deleteCombo(file_, idOf("moves", "Tatsu"));

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
  for (int i = 0; i <= kHistoryLimit; ++i) deleteCombo(file_, addCombo("Combo " + std::to_string(i), ryu));

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
  renameGame(file_, idOf("game", "Fighters"), "Fighters II");
  EXPECT_FALSE(hasHistoryTables(store_));
  EXPECT_EQ(undoNewest(store_).kind, UndoResult::Kind::NothingToUndo);

  deleteCombo(file_, idOf("moves", "Tatsu"));
  EXPECT_TRUE(hasHistoryTables(store_));
  EXPECT_EQ(history().size(), 1u);
  EXPECT_EQ(layout(), tablesBefore);
}

// VACUUM renumbers the rows of a table without a declared key once the oldest changes are
// dropped: the history keeps its changes whole through it.
TEST_F(Undo, TakesBackAllOfAChangeAfterTheFileIsCompacted) {
  execute("pragma synchronous=off");  // over a hundred commits, none of which the test needs on disk
  fighters();
  const RecordId jin = addCharacter(file_, catalogue_.StoreNewGame("Other").id, "Jin").id;
  for (int i = 0; i <= kHistoryLimit; ++i) deleteCombo(file_, addCombo("Combo " + std::to_string(i), jin));
  const auto beforeBlocks = dump();
  {
    // As an import answered Yes replaces them: one change for the three blocks.
    Transaction import(store_);
    BlockBatch batch;
    const ComboBlock other = blockWith(9);
    for (const char* combo : {"Hadoken", "Shoryuken", "Tatsu"})
      ASSERT_EQ(replaceBlock(store_, idOf("moves", combo), other, History::Recorded, &batch), ReplaceOutcome::Replaced);
    ASSERT_TRUE(setSummary(store_, *batch.change, "the blocks of 3 combos of Game: Fighters") && import.commit());
  }
  execute("vacuum");

  const UndoResult undone = undoNewest(store_);
  EXPECT_EQ(undone.kind, UndoResult::Kind::Undone) << undone.reason;
  EXPECT_EQ(dump(), beforeBlocks) << "all three blocks back";
  const UndoResult next = undoNewest(store_);
  EXPECT_EQ(next.kind, UndoResult::Kind::Undone) << next.reason;
  EXPECT_EQ(describe(next.change), "the delete of Combo: Combo 100 of Jin");
}

// The history as earlier versions kept it: a change's records found by row number from
// history.firstrecord on, in tables without a declared key.
TEST_F(Undo, AnEarlierHistoryIsUpgradedAtItsFirstUseWithEveryChangeKept) {
  fighters();
  const auto before = dump();
  execute("create table history(id integer primary key autoincrement, kind integer not null,"
          " summary text not null, at integer not null, firstrecord integer not null)");
  execute("create table history_record(changeid integer not null, level integer not null,"
          " recordid integer not null, parentid, name, data)");
  int change = 0;
  for (const char* combo : {"Hadoken", "Tatsu"}) {
    const std::string parent = combo == std::string("Tatsu") ? "Ken" : "Ryu";
    execute("insert into history(kind, summary, at, firstrecord) values(3, 'Combo: " + std::string(combo) + " of " +
            parent + "', 0, 7)");  // a row number that no longer holds: the file was compacted
    execute("insert into history_record select " + std::to_string(++change) +
            ", 3, id, roleid, name, data from moves where name='" + combo + "'");
    execute("delete from moves where name='" + std::string(combo) + "'");
  }

  EXPECT_EQ(undoNewest(store_).kind, UndoResult::Kind::Undone);
  expectUndoneTo(before);
  EXPECT_EQ(prompts_.warnings(), std::vector<std::string>{});
}

TEST_F(Undo, AHistoryInNoKnownLayoutIsDroppedWithANoticeAndNothingElseTouched) {
  fighters();
  execute("create table history_record(changeid, level, recordid, parentid, name, data)");  // its history table lost
  const auto before = dump();

  EXPECT_EQ(undoNewest(store_).kind, UndoResult::Kind::NothingToUndo);
  EXPECT_EQ(file_.takeReport(), kHistoryDropped) << "held for the front end to show";
  EXPECT_FALSE(hasHistoryTables(store_));
  EXPECT_EQ(dump(), before);
}

TEST_F(Undo, AChangeWhoseTimeIsNotANumberIsRefusedNotRead) {
  fighters();
  deleteCombo(file_, idOf("moves", "Tatsu"));
  execute("update history set at='soon'");
  const auto before = dump();

  EXPECT_EQ(recentChanges(store_), std::nullopt);
  EXPECT_EQ(file_.takeReport(), "Can not read the undo history: change 1 has a time that is not a number.");
  const UndoResult refused = undoNewest(store_);
  EXPECT_EQ(history_texts::refusalText(refused.change, refused.reason),
            "Can not undo the delete of Combo: Tatsu of Ken: the history holds it with a time that is not a number.");
  EXPECT_EQ(dump(), before);
}

// A catalogue someone hands over may hold history rows made to put records elsewhere than
// where the change that the user is asked about says.
TEST_F(Undo, RowsThatDoNotMatchTheirChangeAreRefusedWithNothingChanged) {
  fighters();
  addGame("Other", {{"Jin", {"EWGF"}}});
  const std::string jin = std::to_string(idOf("role", "Jin"));
  const std::string ewgf = std::to_string(idOf("moves", "EWGF"));
  deleteCombo(file_, idOf("moves", "Hadoken"));
  const ComboBlock other = blockWith(9);
  ASSERT_EQ(catalogue_.ReplaceComboData(idOf("moves", "Tatsu"), other.data(), other.size()), 1);
  const auto before = dump();
  const struct {
    bool onDelete;  // else on the replaced block, the newest change
    std::string craft;
    std::string reason;
  } crafts[] = {
      {true, "update history_record set parentid=" + jin, "its records belong to the character \"Jin\""},
      {true, "update history_record set recordid=9223372036854775807", ""},
      {true, "update history_record set level=2", ""},
      {true, "insert into history_record(changeid, level, recordid, parentid, name) values(1, 3, 99, " + jin + ", 'EWGF')",
       ""},
      {false, "update history_record set recordid=" + ewgf + ", parentid=" + jin + " where changeid=2",
       "its block would go into the combo \"EWGF\""},
  };
  for (const auto& [onDelete, craft, reason] : crafts) {
    Transaction crafted(store_);  // never committed: each craft alone
    if (onDelete) {
      execute("delete from history_record where changeid=2");
      execute("delete from history where id=2");
    }
    execute(craft);
    const UndoResult refused = undoNewest(store_);
    EXPECT_EQ(refused.kind, UndoResult::Kind::Refused) << craft;
    EXPECT_EQ(refused.reason, reason.empty() ? "the history holds records that do not match it" : reason) << craft;
    EXPECT_EQ(dump(), before) << craft;
  }
}

}  // namespace
}  // namespace strikepad
