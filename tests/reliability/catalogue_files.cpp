#include "catalogue_files.h"

#include <sqlite3.h>

#include <functional>
#include <memory>
#include <stdexcept>

#include "combo/combo_block.h"
#include "files/file_bytes.h"

namespace strikepad::testing {

namespace {

using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

Connection connect(const std::filesystem::path& path) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  Connection connection(db, sqlite3_close);
  if (rc != SQLITE_OK) throw std::runtime_error("cannot open " + path.string());
  return connection;
}

Statement prepare(sqlite3* db, const char* sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(db));
  return Statement(statement, sqlite3_finalize);
}

void step(sqlite3* db, sqlite3_stmt* statement) {
  if (sqlite3_step(statement) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db));
  sqlite3_reset(statement);
}

std::string column(sqlite3_stmt* statement, int index) {
  const auto* text = sqlite3_column_text(statement, index);
  return text ? reinterpret_cast<const char*>(text) : "<null>";
}

std::string digest(sqlite3_stmt* statement, int index) {
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, index));
  const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement, index));
  return std::to_string(size) + ":" + std::to_string(std::hash<std::string_view>{}(std::string_view(bytes ? bytes : "", size)));
}

}  // namespace

SpkGame makeGame(const std::string& name, int characters, int combosEach) {
  SpkGame game{name, {}, false};
  for (int c = 0; c < characters; ++c) {
    SpkCharacter& character = game.characters.emplace_back();
    character.name = "Character " + std::to_string(c);
    for (int m = 0; m < combosEach; ++m) {
      std::vector<std::uint8_t> block(kBlockSize);
      for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(c * 31 + m * 7 + i);
      character.combos.push_back({"Combo " + std::to_string(m), std::move(block)});
    }
  }
  return game;
}

void writeGames(const std::filesystem::path& path, const std::vector<SpkGame>& games) {
  const Connection db = connect(path);
  sqlite3_exec(db.get(), "begin", nullptr, nullptr, nullptr);
  const Statement game = prepare(db.get(), "insert into game(name) values(?)");
  const Statement role = prepare(db.get(), "insert into role(name, gameid) values(?, ?)");
  const Statement move = prepare(db.get(), "insert into moves(name, roleid, data) values(?, ?, ?)");
  for (const SpkGame& g : games) {
    sqlite3_bind_text(game.get(), 1, g.name.c_str(), -1, SQLITE_TRANSIENT);
    step(db.get(), game.get());
    const sqlite3_int64 gameId = sqlite3_last_insert_rowid(db.get());
    for (const SpkCharacter& c : g.characters) {
      sqlite3_bind_text(role.get(), 1, c.name.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_int64(role.get(), 2, gameId);
      step(db.get(), role.get());
      const sqlite3_int64 roleId = sqlite3_last_insert_rowid(db.get());
      for (const SpkCombo& m : c.combos) {
        sqlite3_bind_text(move.get(), 1, m.name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(move.get(), 2, roleId);
        sqlite3_bind_blob(move.get(), 3, m.data.data(), static_cast<int>(m.data.size()), SQLITE_TRANSIENT);
        step(db.get(), move.get());
      }
    }
  }
  if (sqlite3_exec(db.get(), "commit", nullptr, nullptr, nullptr) != SQLITE_OK) throw std::runtime_error("commit");
}

std::string integrityCheck(const std::filesystem::path& path) {
  // Read-write, so that a journal left by a killed writer is rolled back first, as any
  // program opening the file would.
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
  const Connection db(raw, sqlite3_close);
  if (rc != SQLITE_OK) return sqlite3_errstr(rc);
  sqlite3_stmt* raw_statement = nullptr;
  if (sqlite3_prepare_v2(db.get(), "pragma integrity_check", -1, &raw_statement, nullptr) != SQLITE_OK)
    return sqlite3_errmsg(db.get());
  const Statement check(raw_statement, sqlite3_finalize);
  std::string result;
  while (sqlite3_step(check.get()) == SQLITE_ROW) {
    if (!result.empty()) result += "\n";
    result += column(check.get(), 0);
  }
  return result;
}

std::vector<std::string> dumpCatalogue(const std::filesystem::path& path) {
  const Connection db = connect(path);
  std::vector<std::string> lines;
  const Statement games = prepare(db.get(), "select id, name from game order by id");
  const Statement roles = prepare(db.get(), "select id, name from role where gameid=? order by id");
  const Statement moves = prepare(db.get(), "select name, data from moves where roleid=? order by id");
  while (sqlite3_step(games.get()) == SQLITE_ROW) {
    lines.push_back("game " + column(games.get(), 1));
    sqlite3_bind_int64(roles.get(), 1, sqlite3_column_int64(games.get(), 0));
    while (sqlite3_step(roles.get()) == SQLITE_ROW) {
      lines.push_back("  role " + column(roles.get(), 1));
      sqlite3_bind_int64(moves.get(), 1, sqlite3_column_int64(roles.get(), 0));
      while (sqlite3_step(moves.get()) == SQLITE_ROW)
        lines.push_back("    moves " + column(moves.get(), 0) + " " + digest(moves.get(), 1));
      sqlite3_reset(moves.get());
    }
    sqlite3_reset(roles.get());
  }
  const Statement orphans = prepare(db.get(),
                                    "select (select count(*) from role where gameid not in (select id from game)),"
                                    " (select count(*) from moves where roleid not in (select id from role))");
  sqlite3_step(orphans.get());
  lines.push_back("orphans " + column(orphans.get(), 0) + " " + column(orphans.get(), 1));
  return lines;
}

std::vector<std::string> dumpWithHistory(const std::filesystem::path& path) {
  std::vector<std::string> lines = dumpCatalogue(path);
  const Connection db = connect(path);
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db.get(), "select (select count(*) from history), (select count(*) from history_record)", -1,
                         &raw, nullptr) != SQLITE_OK) {
    lines.push_back("history 0 0");
    return lines;
  }
  const Statement counts(raw, sqlite3_finalize);
  sqlite3_step(counts.get());
  lines.push_back("history " + column(counts.get(), 0) + " " + column(counts.get(), 1));
  return lines;
}

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
  return readWholeFile(path, std::size_t{1} << 30).bytes;
}

}  // namespace strikepad::testing
