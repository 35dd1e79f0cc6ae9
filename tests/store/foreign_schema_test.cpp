// A catalogue file that holds what this program did not make is read but never changed; one
// that holds less (older files) is used as it always was.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/schema.h"
#include "store/store.h"
#include "store/transaction.h"
#include "temp_dir.h"

namespace strikepad {
namespace {

using testing::TempDir;

class ForeignSchema : public ::testing::Test {
 protected:
  ForeignSchema() : store_(path_, [this](const std::string& text) { reports_.push_back(text); }) {}

  void SetUp() override {
    std::string message;
    ASSERT_TRUE(createCatalogue(path_, message)) << message;
  }

  // Runs `sql` on a connection of its own, as another program would.
  void change(const char* sql) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path_.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    const ConnectionHandle db(raw);
    ASSERT_EQ(rc, SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db.get(), sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db.get());
  }

  bool writable() { return Transaction(store_).active(); }

  TempDir dir_;
  std::filesystem::path path_ = dir_ / "sp.dat";
  std::vector<std::string> reports_;
  Store store_;
};

constexpr const char* kRefusal = "this catalogue holds what this program did not make, so it is read but not changed:\n";

struct Foreign {
  const char* what;
  const char* sql;
  const char* found;  // the report's line for it; FILE stands for the catalogue's path

  friend void PrintTo(const Foreign& foreign, std::ostream* out) { *out << foreign.what; }
};

class ForeignObject : public ForeignSchema, public ::testing::WithParamInterface<Foreign> {};

TEST_P(ForeignObject, RefusesEveryWriteNamingItAndHowToRemoveIt) {
  change(GetParam().sql);
  std::string found = GetParam().found;
  if (const auto at = found.find("FILE"); at != std::string::npos) found.replace(at, 4, path_.string());
  ASSERT_TRUE(store_.ConnectStore());

  EXPECT_FALSE(writable());
  EXPECT_FALSE(Transaction(store_, Transaction::Writes::OneStatement).active());
  EXPECT_EQ(reports_, std::vector<std::string>(2, kRefusal + found));
  EXPECT_TRUE(Transaction(store_, Transaction::Writes::None).active()) << "reading goes on";
}

INSTANTIATE_TEST_SUITE_P(
    Files, ForeignObject,
    ::testing::Values(
        Foreign{"trigger", "create trigger t after delete on moves begin delete from game; end",
                "trigger t; remove it with: sqlite3 FILE 'drop trigger t'"},
        Foreign{"view", "create view \"old moves\" as select * from moves",
                "view \"old moves\"; remove it with: sqlite3 FILE 'drop view \"old moves\"'"},
        Foreign{"column", "alter table moves add column note text",
                "column moves.note; remove it with: sqlite3 FILE 'alter table moves drop column note'"},
        Foreign{"reference",
                "create table newgame(id integer primary key, name references role(name) on delete cascade);"
                "drop table game; alter table newgame rename to game",
                "reference from game.name to role(name) on delete cascade; remove it by making the table anew without it"},
        Foreign{"virtualTable", "create virtual table notes using fts5(text)",
                "virtual table notes; remove it with: sqlite3 FILE 'drop table notes'"}),
    [](const auto& info) { return std::string(info.param.what); });

// Files made before the parent references, collations and indexes, with the undo history's
// first layout, and with a table and an index of the user's own.
TEST_F(ForeignSchema, OlderFilesAndTheUsersOwnTablesAndIndexesAreWritable) {
  std::filesystem::remove(path_);
  change("create table game(id integer primary key autoincrement, name text);"
         "create table role(id integer primary key autoincrement, name text, gameid integer);"
         "create table moves(id integer primary key autoincrement, name text, roleid integer, data blob);"
         "create table history(id integer primary key autoincrement, kind integer not null,"
         " summary text not null, at integer not null, firstrecord integer not null);"
         "create table history_record(changeid integer not null, level integer not null,"
         " recordid integer not null, parentid, name, data);"
         "create table notes(text); create index moves_by_name on moves(name); analyze");
  ASSERT_TRUE(store_.ConnectStore());
  EXPECT_TRUE(writable());
  EXPECT_EQ(reports_, std::vector<std::string>{});
}

TEST_F(ForeignSchema, WhatAnotherProgramAddsWhileTheFileIsOpenIsFoundAtTheNextWrite) {
  ASSERT_TRUE(store_.ConnectStore());
  ASSERT_TRUE(writable());
  change("create trigger t after delete on moves begin delete from game; end");
  EXPECT_FALSE(writable());
  EXPECT_EQ(reports_.size(), 1u);
  change("drop trigger t");
  EXPECT_TRUE(writable()) << "removed, the file is written again";
}

TEST_F(ForeignSchema, TheFileIsOpenedWithSQLitesDefensiveSettings) {
  ASSERT_TRUE(store_.ConnectStore());
  int defensive = -1, trustedSchema = -1;
  sqlite3_db_config(store_.handle(), SQLITE_DBCONFIG_DEFENSIVE, -1, &defensive);
  sqlite3_db_config(store_.handle(), SQLITE_DBCONFIG_TRUSTED_SCHEMA, -1, &trustedSchema);
  EXPECT_EQ(defensive, 1);
  EXPECT_EQ(trustedSchema, 0);
}

}  // namespace
}  // namespace strikepad
