// The catalogue while another program changes the same file: every add and rename looks for
// its parent inside its own transaction, and a command that finds the catalogue changed
// shows it as it is now.

#include "flows/window_texts.h"
#include "catalogue_fixture.h"
#include "store/sqlite_handles.h"

namespace strikepad {
namespace {

class OtherProgram : public CatalogueTest {
 protected:
  // Runs `sql` on a connection of its own, as another program would.
  void change(const char* sql) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(store_.path().c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    const ConnectionHandle db(raw);
    ASSERT_EQ(rc, SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db.get(), sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db.get());
  }
};

TEST_F(OtherProgram, AddingACharacterToAGameItDeletedIsToldAndRefillsTheLists) {
  addGame("Tekken", {{"Jin", {"EWGF"}}});
  addGame("Arcana", {{"Heart", {}}});
  catalogue_.FillGameList();
  change("delete from moves; delete from role where gameid=1; delete from game where id=1");
  prompts_.answerName("Asuka");
  catalogue_.OnAddCharacter();

  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>{"The game was deleted by another program."}));
  EXPECT_EQ(stored("role"), (std::vector<std::string>{"Heart"}));
  EXPECT_EQ(texts(games_), (std::vector<std::string>{"Arcana"}));
  EXPECT_EQ(selected(characters_), "Heart");
}

TEST_F(OtherProgram, ANewComboForACharacterItDeletedIsToldAndRefillsTheLists) {
  addGame("Tekken", {{"Jin", {}}, {"Kazuya", {"Demon"}}});
  catalogue_.FillGameList();
  change("delete from role where name='Jin'");
  prompts_.answerScript(blockWith(1));
  prompts_.answerName("EWGF");
  catalogue_.OnNewComboFromScript();

  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>{"The character was deleted by another program."}));
  EXPECT_EQ(stored("moves"), (std::vector<std::string>{"Demon"}));
  EXPECT_EQ(texts(characters_), (std::vector<std::string>{"Kazuya"}));
}

TEST_F(OtherProgram, EditingAComboItDeletesIsToldAndStoresNothing) {
  addGame("Tekken", {{"Jin", {"EWGF", "Demon"}}});
  catalogue_.FillGameList();
  prompts_.answerScriptBy([this] {
    change("delete from moves where name='EWGF'");
    return blockWith(0x42);
  });
  catalogue_.OnEditCombo();
  change("delete from moves where name='Demon'");
  catalogue_.OnEditCombo();  // already gone when the command starts: the editor does not open

  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>(2, "The combo was deleted by another program.")));
  EXPECT_EQ(prompts_.scriptsOpened.size(), 1u);
  EXPECT_TRUE(stored("moves").empty());
  EXPECT_EQ(combos_.count(), 0);
}

TEST_F(OtherProgram, RenamingACharacterWhoseGameItDeletedIsRefusedAndTold) {
  const RecordId game = addGame("Tekken", {{"Jin", {}}});
  change("delete from game");
  EXPECT_EQ(told(renameCharacter(file_, 1, "Jin Kazama"), messages::kGameGone).outcome, Outcome::ParentGone);
  EXPECT_EQ(prompts_.notices(), (std::vector<std::string>{"The game was deleted by another program."}));
  EXPECT_EQ(stored("role", "gameid", game), (std::vector<std::string>{"Jin"}));
}

TEST_F(OtherProgram, DeletingWhatItDeletedFirstDeletesNothingElseAndRefillsTheLists) {
  addGame("Tekken", {{"Jin", {}}});
  addGame("Arcana", {{"Heart", {}}});
  catalogue_.FillGameList();
  change("delete from role where gameid=1; delete from game where id=1");
  prompts_.answerAsk(true);
  catalogue_.OnDeleteGame();

  EXPECT_EQ(texts(games_), (std::vector<std::string>{"Arcana"}));
  EXPECT_EQ(texts(characters_), (std::vector<std::string>{"Heart"}));
  EXPECT_EQ(stored("game"), (std::vector<std::string>{"Arcana"}));
  EXPECT_EQ(deleteGame(file_, 1).outcome, Outcome::NotFound);
  EXPECT_EQ(deleteCharacter(file_, 1).outcome, Outcome::NotFound);
  EXPECT_EQ(deleteGame(file_, 2).outcome, Outcome::Done);
  EXPECT_TRUE(prompts_.notices().empty());
}

}  // namespace
}  // namespace strikepad
