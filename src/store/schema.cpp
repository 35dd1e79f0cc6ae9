#include "store/schema.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

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

// A file made beside the catalogue's place and removed again unless it was moved into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::filesystem::path& beside) {
    std::string pattern = (beside.parent_path() / ".sp-new-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return;
    ::close(fd);
    path_ = pattern;
  }
  ~TemporaryFile() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The schema written into `path`; an empty text when it was, the store error report otherwise.
std::string writeSchema(const std::filesystem::path& path) {
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
  ConnectionHandle db(raw);
  if (rc != SQLITE_OK) return db ? connectionError(db.get()) : formatStoreError(sqlite3_errstr(rc), rc);
  // The whole file on disk before it gets its name: a crash leaves no half-made catalogue.
  sqlite3_exec(db.get(), "pragma synchronous=full", nullptr, nullptr, nullptr);
  if (!createCatalogueTables(db.get())) return connectionError(db.get());
  return {};
}

void syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
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
  // Made whole under a temporary name, then given its name: a killed init leaves no file
  // that looks like a catalogue but is not one.
  const TemporaryFile made(path);
  if (made.path().empty()) {
    message = "can not create " + fileFailure(path, systemReason(errno));
    return false;
  }
  message = writeSchema(made.path());
  if (!message.empty()) return false;
  // link() never replaces a file that appeared meanwhile, unlike rename().
  if (::link(made.path().c_str(), path.c_str()) != 0) {
    message = errno == EEXIST ? path.string() + " already exists"
                              : "can not create " + fileFailure(path, systemReason(errno));
    return false;
  }
  syncFolder(path.parent_path());
  return true;
}

}  // namespace strikepad
