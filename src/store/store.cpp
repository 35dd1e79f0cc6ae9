#include "store/store.h"

#include <cstdio>

#include "store/name_search_function.h"
#include "store/schema.h"
#include "store/schema_guard.h"
#include "text/name_fold.h"

namespace strikepad {

std::string formatStoreError(std::string_view message, int code) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(code));
  std::string text = "error Information:";
  text.append(message);
  text.append("(").append(hex).append(")");
  return text;
}

std::string connectionError(sqlite3* db) {
  return formatStoreError(sqlite3_errmsg(db), sqlite3_extended_errcode(db));
}

namespace {

// The collation name_fold: names in the order of their case-folded forms, so that a query
// matches names as the catalogue compares them, whatever collation the file's columns have.
int compareNamesCollation(void*, int lengthA, const void* a, int lengthB, const void* b) {
  return compareNames({static_cast<const char*>(a), static_cast<std::size_t>(lengthA)},
                      {static_cast<const char*>(b), static_cast<std::size_t>(lengthB)});
}

// A file someone hands over may hold code of its own (in triggers, views, defaults): it may
// run none of the functions that could reach outside the file, nor let statements change the
// schema's own pages. Set before the schema is first read.
bool makeDefensive(sqlite3* db) {
  return sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr) == SQLITE_OK &&
         sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr) == SQLITE_OK;
}

// What every connection needs before the catalogue's queries run on it.
bool prepareConnection(sqlite3* db) {
  // Files made with references refuse a record whose parent is gone; older files lack them.
  // The undo history keeps what a delete removes, so zeroing the pages it frees (as this
  // system's SQLite does by default) would only cost writes.
  return sqlite3_exec(db, "pragma foreign_keys=on; pragma secure_delete=fast", nullptr, nullptr, nullptr) == SQLITE_OK &&
         sqlite3_create_collation_v2(db, "name_fold", SQLITE_UTF8, nullptr, compareNamesCollation, nullptr) ==
             SQLITE_OK &&
         registerNameSearch(db);
}

}  // namespace

Store::Store(std::filesystem::path path, Reporter reporter)
    : path_(std::move(path)), reporter_(std::move(reporter)) {}

void Store::setBusyTimeout(std::chrono::milliseconds timeout) {
  busyTimeout_ = timeout;
  if (db_) sqlite3_busy_timeout(db_.get(), static_cast<int>(busyTimeout_.count()));
}

void Store::close() {
  statements_.clear();
  db_.reset();
  checkedSchemaVersion_.reset();
}

bool Store::ConnectStore() {
  close();
  sqlite3* raw = nullptr;
  // One thread uses the connection, so it needs no locking of its own.
  const int rc = sqlite3_open_v2(path_.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  ConnectionHandle db(raw);  // sqlite3 hands out a handle even when the open fails
  if (rc != SQLITE_OK) {
    report(db ? connectionError(db.get()) : formatStoreError(sqlite3_errstr(rc), rc));
    return false;
  }
  sqlite3_extended_result_codes(db.get(), 1);
  sqlite3_busy_timeout(db.get(), static_cast<int>(busyTimeout_.count()));
  // A file that is not a database, or one without the catalogue's tables, opens fine; the
  // first statement on it fails. Find out now, so the user hears of it once, at start.
  if (!makeDefensive(db.get()) || !hasCatalogueTables(db.get()) || !prepareConnection(db.get())) {
    report(connectionError(db.get()));
    return false;
  }
  db_ = std::move(db);
  return true;
}

bool Store::adopt(ConnectionHandle db) {
  close();
  if (!makeDefensive(db.get()) || !prepareConnection(db.get())) return false;
  db_ = std::move(db);
  return true;
}

bool Store::mayWrite() {
  if (!db_) return false;
  std::optional<std::int64_t> version;
  if (const StatementLease query = statements_.lease(db_.get(), "pragma schema_version");
      query && sqlite3_step(query.get()) == SQLITE_ROW)
    version = sqlite3_column_int64(query.get(), 0);
  if (version && version != checkedSchemaVersion_) {
    checkedSchemaVersion_.reset();
    if (std::optional<std::string> found = foreignSchemaReport(db_.get(), path_)) {
      foreignSchema_ = std::move(*found);
      checkedSchemaVersion_ = version;
    }
  }
  if (!version || checkedSchemaVersion_ != version) {
    reportLastError();
    return false;
  }
  if (!foreignSchema_.empty()) report(foreignSchema_);
  return foreignSchema_.empty();
}

StatementLease Store::prepareSelect(std::string_view fields, std::string_view table, std::string_view filter,
                                    const std::vector<FieldValue>& params) {
  std::string sql = "select ";
  sql.append(fields).append(" from ");
  sql.append(table);
  if (!filter.empty()) sql.append(" where ").append(filter);
  // Ids grow as records are added, so this is the order they were added in.
  sql.append(" order by id");
  StatementLease statement = statements_.lease(db_.get(), sql);
  if (!statement || bindAll(statement.get(), params) != SQLITE_OK) {
    reportLastError();
    return {};
  }
  return statement;
}

std::optional<Recordset> Store::OpenRecordset(std::string_view table, std::string_view filter,
                                              std::vector<FieldValue> params, std::string_view fields) {
  if (!db_) return std::nullopt;
  StatementLease statement = prepareSelect(fields, table, filter, params);
  if (!statement) return std::nullopt;
  // The values are bound where they lie; the record set keeps them there until it has read.
  return Recordset(*this, std::string(table), std::move(statement), std::move(params));
}

bool Store::forEachName(std::string_view table, std::string_view filter, const std::vector<FieldValue>& params,
                        const NameVisitor& each) {
  if (!db_) return false;
  const StatementLease statement = prepareSelect("id, name", table, filter, params);
  if (!statement) return false;
  sqlite3_stmt* query = statement.get();
  int result = SQLITE_ROW;
  while ((result = sqlite3_step(query)) == SQLITE_ROW) {
    const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(query, 1));
    each(sqlite3_column_int64(query, 0),
         name ? std::string_view(name, static_cast<std::size_t>(sqlite3_column_bytes(query, 1))) : std::string_view());
  }
  if (result != SQLITE_DONE) reportLastError();
  return result == SQLITE_DONE;
}

bool Store::execute(std::string_view sql, const std::vector<FieldValue>& params) {
  if (!db_) return false;
  const StatementLease statement = statements_.lease(db_.get(), sql);
  if (!statement || bindAll(statement.get(), params) != SQLITE_OK ||
      sqlite3_step(statement.get()) != SQLITE_DONE) {
    reportLastError();
    return false;
  }
  return true;
}

void Store::reportLastError() {
  if (db_) report(connectionError(db_.get()));
}

void Store::report(const std::string& text) const {
  if (reporter_) reporter_(text);
}

}  // namespace strikepad
