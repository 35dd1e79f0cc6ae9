// The history's copy and restore of a record follow the tables as the file holds them: every
// column pragma table_info finds in a catalogue table is kept by a copy and put back by a
// restore, value and type alike.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "store/schema.h"
#include "store/store.h"
#include "store/tables/history_table.h"
#include "store/transaction.h"
#include "temp_dir.h"

namespace strikepad {
namespace {

class HistoryTable : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string message;
    ASSERT_TRUE(createCatalogue(dir_ / "sp.dat", message)) << message;
    ASSERT_TRUE(store_.ConnectStore());
  }
  std::vector<std::string> columnsOf(const std::string& table) {
    std::vector<std::string> columns;
    const StatementHandle info = prepareStatement(store_.handle(), "select name from pragma_table_info('" + table + "')");
    while (sqlite3_step(info.get()) == SQLITE_ROW)
      columns.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 0)));
    return columns;
  }
  // Every value of the table with its type, in id order.
  std::vector<std::string> dump(const CatalogueTable& table) {
    std::vector<std::string> lines;
    auto rows = store_.OpenRecordset(table.name, {}, {}, "*");
    const std::vector<std::string> columns = columnsOf(table.name);
    for (; !rows->atEnd(); rows->moveNext())
      for (const std::string& column : columns)
        lines.push_back(column + "=" + std::to_string(rows->collect(column).index()) + ":" + rows->text(column));
    return lines;
  }
  void execute(const std::string& sql) { ASSERT_TRUE(store_.execute(sql)) << sql; }

  testing::TempDir dir_;
  Store store_{dir_ / "sp.dat"};
};

TEST_F(HistoryTable, EveryColumnOfEachTableIsCopiedAndRestoredAsItWas) {
  execute("insert into game(id, name) values(7, 'Fighters')");
  execute("insert into role(id, name, gameid) values(8, 'Ryu', 7)");
  for (const CatalogueTable* table : kCatalogueTables) {
    // A record whose every column, as the file holds them, has a value of its own: the parent's
    // id where it names one, a blob of its own otherwise (a value of no column's declared type).
    std::string columns, values;
    for (const std::string& column : columnsOf(table->name)) {
      const std::string value = column == "id" ? "20" : column == "gameid" ? "7" : column == "roleid" ? "8" : "x'0" +
                                                                                                          std::to_string(columns.size() % 10) + "'";
      columns += (columns.empty() ? "" : ", ") + column;
      values += (values.empty() ? "" : ", ") + value;
    }
    Transaction transaction(store_);
    execute(std::string("insert into ") + table->name + "(" + columns + ") values(" + values + ")");
    const auto before = dump(*table);
    const auto change = insertChange(store_, ChangeKind::DeleteCombo, "a record", 0);
    ASSERT_TRUE(change && copyRecords(store_, *change, *table, Kin::Itself, 20));
    execute(std::string("delete from ") + table->name + " where id=20");
    EXPECT_EQ(restoreRecords(store_, *change, *table), 1);
    EXPECT_EQ(dump(*table), before) << table->name;
  }
}

TEST_F(HistoryTable, TheSchemaHoldsTheDeclaredColumnsAndTheHistoryAPlaceForEach) {
  ASSERT_TRUE(ensureHistoryTables(store_));
  const std::vector<std::string> records = columnsOf("history_record");
  for (const CatalogueTable* table : kCatalogueTables) {
    std::vector<std::string> declared;
    for (const TableColumn& column : table->columns) {
      declared.emplace_back(column.name);
      EXPECT_NE(std::ranges::find(records, column.historyColumn), records.end()) << column.historyColumn;
    }
    EXPECT_EQ(columnsOf(table->name), declared) << table->name;
  }
}

}  // namespace
}  // namespace strikepad
