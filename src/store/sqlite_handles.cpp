#include "store/sqlite_handles.h"

namespace strikepad {

StatementHandle prepareStatement(sqlite3* db, std::string_view sql, unsigned flags) {
  sqlite3_stmt* raw = nullptr;
  sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), flags, &raw, nullptr);
  return StatementHandle(raw);
}

namespace {

int bindOne(sqlite3_stmt* statement, int index, const FieldValue& value) {
  struct Visitor {
    sqlite3_stmt* statement;
    int index;
    int operator()(std::monostate) const { return sqlite3_bind_null(statement, index); }
    int operator()(std::int64_t number) const { return sqlite3_bind_int64(statement, index, number); }
    int operator()(double number) const { return sqlite3_bind_double(statement, index, number); }
    int operator()(const std::string& text) const {
      return sqlite3_bind_text64(statement, index, text.data(), text.size(), SQLITE_STATIC, SQLITE_UTF8);
    }
    int operator()(const Bytes& bytes) const {
      // A zero-length blob is still a blob, not null: bind it as such.
      if (bytes.empty()) return sqlite3_bind_zeroblob(statement, index, 0);
      return sqlite3_bind_blob64(statement, index, bytes.data(), bytes.size(), SQLITE_STATIC);
    }
  };
  return std::visit(Visitor{statement, index}, value);
}

}  // namespace

int bindAll(sqlite3_stmt* statement, const std::vector<FieldValue>& params) {
  for (std::size_t i = 0; i < params.size(); ++i) {
    const int rc = bindOne(statement, static_cast<int>(i + 1), params[i]);
    if (rc != SQLITE_OK) return rc;
  }
  return SQLITE_OK;
}

FieldValue columnValue(sqlite3_stmt* statement, int index) {
  switch (sqlite3_column_type(statement, index)) {
    case SQLITE_INTEGER:
      return static_cast<std::int64_t>(sqlite3_column_int64(statement, index));
    case SQLITE_FLOAT:
      return sqlite3_column_double(statement, index);
    case SQLITE_TEXT: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
      return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, index)));
    }
    case SQLITE_BLOB: {
      const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement, index));
      return Bytes(data, data + sqlite3_column_bytes(statement, index));
    }
    default:
      return std::monostate{};
  }
}

}  // namespace strikepad
