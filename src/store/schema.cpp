#include "store/schema.h"

#include <cstdio>
#include <memory>
#include <system_error>

#include "store/sqlite_handles.h"
#include "store/store.h"

namespace strikepad {

namespace {

constexpr const char* kSchema =
    "begin;"
    "create table game(id integer primary key autoincrement, name text collate nocase);"
    "create table role(id integer primary key autoincrement, name text collate nocase,"
    " gameid integer references game(id));"
    "create table moves(id integer primary key autoincrement, name text collate nocase,"
    " roleid integer references role(id), data blob);"
    "create index role_gameid on role(gameid);"
    "create index moves_roleid on moves(roleid);"
    "commit;";

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool hasCatalogueTables(sqlite3* db) {
  for (const char* probe : {"select id, name from game", "select id, name, gameid from role",
                            "select id, name, roleid, data from moves"}) {
    if (!prepareStatement(db, probe)) return false;
  }
  return true;
}

bool createCatalogue(const std::filesystem::path& path, std::string& message) {
  // Claim the name first ("x": fail if it exists), so an existing file is never opened.
  {
    std::unique_ptr<std::FILE, FileCloser> claim(std::fopen(path.c_str(), "wbx"));
    if (!claim) {
      message = std::filesystem::exists(path) ? path.string() + " already exists"
                                              : "can not create " + path.string();
      return false;
    }
  }
  bool created = false;
  {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    ConnectionHandle db(raw);
    if (rc != SQLITE_OK) {
      message = db ? connectionError(db.get()) : formatStoreError(sqlite3_errstr(rc), rc);
    } else if (sqlite3_exec(db.get(), kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) {
      message = connectionError(db.get());
    } else {
      created = true;
    }
  }
  if (!created) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
  return created;
}

}  // namespace strikepad
