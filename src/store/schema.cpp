#include "store/schema.h"

#include <cstdint>
#include <memory>
#include <system_error>
#include <variant>
#include <vector>

#include "files/file_bytes.h"
#include "store/sqlite_handles.h"
#include "store/store.h"
#include "store/tables/catalogue_tables.h"
#include "text/file_failure.h"

namespace strikepad {

namespace {

// The catalogue's tables as catalogue_tables.h declares them, with the indexes the lists read by.
std::string schemaStatements() {
  std::string sql = "begin;";
  for (const CatalogueTable* table : kCatalogueTables) {
    sql += createStatement(*table) + ";";
    if (table->index) sql += std::string(table->index) + ";";
  }
  return sql + "commit;";
}

// Names SQLite would not take as a plain file: an in-memory or temporary database, or a URI.
bool isPlainFileName(const std::filesystem::path& path) {
  const std::string name = path.string();
  return !name.empty() && name != ":memory:" && !name.starts_with("file:");
}

// The bytes of a new, empty catalogue, made in memory; empty with the store error report in
// `message` when SQLite could not make them.
std::vector<std::uint8_t> emptyCatalogueBytes(std::string& message) {
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE, nullptr);
  const ConnectionHandle db(raw);
  if (rc != SQLITE_OK) {
    message = db ? connectionError(db.get()) : formatStoreError(sqlite3_errstr(rc), rc);
    return {};
  }
  if (!createCatalogueTables(db.get())) {
    message = connectionError(db.get());
    return {};
  }
  sqlite3_int64 size = 0;
  const std::unique_ptr<unsigned char, decltype(&sqlite3_free)> image(sqlite3_serialize(db.get(), "main", &size, 0),
                                                                      &sqlite3_free);
  if (!image) {
    message = formatStoreError(sqlite3_errstr(SQLITE_NOMEM), SQLITE_NOMEM);
    return {};
  }
  return {image.get(), image.get() + size};
}

}  // namespace

bool createCatalogueTables(sqlite3* db) {
  return sqlite3_exec(db, schemaStatements().c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool hasCatalogueTables(sqlite3* db) {
  for (const CatalogueTable* table : kCatalogueTables)
    if (!prepareStatement(db, "select " + columnList(*table) + " from " + table->name)) return false;
  return true;
}

CatalogueFileState probeCatalogueFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) return CatalogueFileState::Missing;
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
  const ConnectionHandle db(raw);
  if (rc != SQLITE_OK || hasCatalogueTables(db.get())) return CatalogueFileState::Unusable;
  // SQLITE_ERROR is "no such table" or "no such column"; an empty file reads as a database
  // without tables.
  const int code = sqlite3_errcode(db.get());
  return code == SQLITE_NOTADB || code == SQLITE_ERROR ? CatalogueFileState::NotACatalogue
                                                       : CatalogueFileState::Unusable;
}

bool createCatalogue(const std::filesystem::path& path, std::string& message) {
  if (!isPlainFileName(path)) {
    message = path.string().insert(0, 1, '"') + "\" is not a file name for a catalogue";
    return false;
  }
  std::error_code error;
  if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
    message = path.string() + " already exists";
    return false;
  }
  const std::vector<std::uint8_t> bytes = emptyCatalogueBytes(message);
  if (bytes.empty()) return false;
  // Written whole and flushed before it gets its name, which never replaces a file that
  // appeared meanwhile: a killed init leaves no file that looks like a catalogue but is not one.
  std::error_code reason;
  auto created = ReplacementFile::create(path, reason, ReplacementFile::Placement::NewOnly);
  if (std::holds_alternative<ReplacementFile::Problem>(created) ||
      !std::get<ReplacementFile>(created).commit(bytes, reason)) {
    message = reason == std::errc::file_exists || !reason ? path.string() + " already exists"
                                                          : "can not create " + fileFailure(path, reason);
    return false;
  }
  return true;
}

}  // namespace strikepad
