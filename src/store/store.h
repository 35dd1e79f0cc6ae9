#pragma once
// The connection to the catalogue file (sp.dat): opening it, opening record sets on its
// tables, and the one way store failures reach the user.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/field_value.h"
#include "store/recordset.h"
#include "store/sqlite_handles.h"
#include "store/statement_cache.h"

namespace strikepad {

// "error Information:<message>(<code in lower-case hex>)"
std::string formatStoreError(std::string_view message, int code);
// The report for the last failure on `db`: its message and extended error code.
std::string connectionError(sqlite3* db);

class Store {
 public:
  using Reporter = std::function<void(const std::string&)>;

  // How long an operation waits for another program that holds the file locked.
  static constexpr std::chrono::milliseconds kDefaultBusyTimeout{3000};

  // `reporter` is where the store error report goes, for the store's whole life (the window
  // shows it as a warning); without one, failures are only returned.
  explicit Store(std::filesystem::path path = "sp.dat", Reporter reporter = {});
  ~Store() { close(); }
  Store(const Store&) = delete;
  Store& operator=(const Store&) = delete;

  void setBusyTimeout(std::chrono::milliseconds timeout);

  // Opens the file read-write (never creates it) and checks that it holds the catalogue's
  // tables. On failure shows one store error report and stays closed.
  bool ConnectStore();
  bool isOpen() const { return db_ != nullptr; }
  // Works on `db`, a connection opened elsewhere: the reference of what this program makes
  // is built in memory with the store's own code. False (connection closed) when the
  // connection cannot be prepared for the catalogue's queries.
  bool adopt(ConnectionHandle db);
  // Record sets not yet read hold no statement afterwards: they read as empty.
  void close();
  const std::filesystem::path& path() const { return path_; }

  // "select * from <table> [where <filter>]" in the order the records were added; values for
  // the filter's ? placeholders are bound, never pasted into the text. Without a connection:
  // nullopt and no message; when the query cannot be prepared: the report and nullopt.
  // The table is not read until the record set is first read. `fields` narrows what is read
  // (the lists need no combo data).
  std::optional<Recordset> OpenRecordset(std::string_view table, std::string_view filter = {},
                                         std::vector<FieldValue> params = {}, std::string_view fields = "*");

  // Hands `each` the id and name of every record OpenRecordset would read, in the same order,
  // as it reads them: a list may hold a hundred thousand names, and nothing is gained by holding
  // them twice. False without a connection (no message) and when the read fails, even half-way
  // (after the report): the names handed over by then are not all of them.
  using NameVisitor = std::function<void(std::int64_t id, std::string_view name)>;
  bool forEachName(std::string_view table, std::string_view filter, const std::vector<FieldValue>& params,
                   const NameVisitor& each);

  // Runs one statement that returns no rows; on failure shows the report and returns false.
  // Its text is kept with the connection, so pass values as params, not in the text.
  bool execute(std::string_view sql, const std::vector<FieldValue>& params = {});

  // The id of the record the last insert on this connection added.
  std::int64_t lastInsertId() const { return sqlite3_last_insert_rowid(db_.get()); }

  // Whether the file may be changed: false, after a report that names them, when it holds
  // what this program did not make (a trigger, a view, a column...), and after the store
  // report when its schema could not be read. Asked inside the write transaction, so no
  // other program can change the schema before the writes.
  bool mayWrite();

  // Shows the store error report for the connection's last failure.
  void reportLastError();
  void report(const std::string& text) const;

  sqlite3* handle() const { return db_.get(); }

 private:
  StatementLease prepareSelect(std::string_view fields, std::string_view table, std::string_view filter,
                               const std::vector<FieldValue>& params);

  std::filesystem::path path_;
  Reporter reporter_;
  std::chrono::milliseconds busyTimeout_ = kDefaultBusyTimeout;
  ConnectionHandle db_;
  // Prepared on db_; emptied before db_ closes, so no statement outlives its connection.
  StatementCache statements_;
  // What mayWrite found, for the schema version it looked at: the schema changes seldom, and
  // every write asks.
  std::optional<std::int64_t> checkedSchemaVersion_;
  std::string foreignSchema_;
};

}  // namespace strikepad
