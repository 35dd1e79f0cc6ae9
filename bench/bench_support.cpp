#include "bench_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "store/schema.h"

namespace strikepad::bench {

Connection openConnection(const std::filesystem::path& path) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) std::abort();
  return Connection(db, sqlite3_close);
}

Statement prepare(sqlite3* db, const char* sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) std::abort();
  return Statement(statement, sqlite3_finalize);
}

void exec(sqlite3* db, const char* sql) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) std::abort();
}

void readEntries(sqlite3* db, const char* sql, sqlite3_int64 parent, Entries& entries) {
  entries.clear();
  const Statement query = prepare(db, sql);
  if (parent) sqlite3_bind_int64(query.get(), 1, parent);
  while (sqlite3_step(query.get()) == SQLITE_ROW)
    entries.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(query.get(), 1)),
                         sqlite3_column_int64(query.get(), 0));
}

RowWriter::RowWriter(sqlite3* db)
    : db_(db),
      game_(prepare(db, "insert into game(name) values(?)")),
      character_(prepare(db, "insert into role(name, gameid) values(?, ?)")),
      combo_(prepare(db, "insert into moves(name, roleid, data) values(?, ?, ?)")) {}

sqlite3_int64 RowWriter::addGame(const std::string& name) {
  sqlite3_bind_text(game_.get(), 1, name.c_str(), -1, SQLITE_STATIC);
  sqlite3_step(game_.get());
  sqlite3_reset(game_.get());
  return sqlite3_last_insert_rowid(db_);
}

sqlite3_int64 RowWriter::addCharacter(const std::string& name, sqlite3_int64 gameId) {
  sqlite3_bind_text(character_.get(), 1, name.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_int64(character_.get(), 2, gameId);
  sqlite3_step(character_.get());
  sqlite3_reset(character_.get());
  return sqlite3_last_insert_rowid(db_);
}

sqlite3_int64 RowWriter::addCombo(const std::string& name, sqlite3_int64 characterId,
                                  std::span<const std::uint8_t> data) {
  sqlite3_bind_text(combo_.get(), 1, name.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_int64(combo_.get(), 2, characterId);
  sqlite3_bind_blob(combo_.get(), 3, data.data(), static_cast<int>(data.size()), SQLITE_STATIC);
  sqlite3_step(combo_.get());
  sqlite3_reset(combo_.get());
  return sqlite3_last_insert_rowid(db_);
}

sqlite3_int64 fillOneGame(const std::filesystem::path& path, const std::vector<int>& combosPerCharacter,
                          std::span<const std::uint8_t> block) {
  const Connection db = openConnection(path);
  exec(db.get(), "begin");
  RowWriter rows(db.get());
  const sqlite3_int64 gameId = rows.addGame("Game");
  sqlite3_int64 characterId = 0;
  for (std::size_t c = 0; c < combosPerCharacter.size(); ++c) {
    characterId = rows.addCharacter("Character " + std::to_string(c), gameId);
    for (int m = 0; m < combosPerCharacter[c]; ++m) rows.addCombo("Combo " + std::to_string(m), characterId, block);
  }
  exec(db.get(), "commit");
  return characterId;
}

SpkGame exchangeGame(const std::string& name) {
  constexpr int kCharacters = 200;
  constexpr int kCombosEach = 50;
  SpkGame game{name, {}, false};
  for (int c = 0; c < kCharacters; ++c) {
    SpkCharacter& character = game.characters.emplace_back();
    character.name = "Character " + std::to_string(c);
    for (int m = 0; m < kCombosEach; ++m)
      character.combos.push_back({"Combo " + std::to_string(m), std::vector<std::uint8_t>(kBlockSize, static_cast<std::uint8_t>(m))});
  }
  return game;
}

sqlite3_int64 insertGame(sqlite3* db, const SpkGame& game) {
  exec(db, "begin immediate");
  sqlite3_int64 gameId = 0;
  {
    RowWriter rows(db);
    gameId = rows.addGame(game.name);
    for (const SpkCharacter& character : game.characters) {
      const sqlite3_int64 characterId = rows.addCharacter(character.name, gameId);
      for (const SpkCombo& combo : character.combos) rows.addCombo(combo.name, characterId, combo.data);
    }
  }
  exec(db, "commit");
  return gameId;
}

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) std::abort();
}

void writeBytesDurably(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::path temporary = path;
  temporary += ".new";
  {
    std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(temporary.c_str(), "wb"), std::fclose);
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() ||
        std::fflush(file.get()) != 0 || ::fsync(::fileno(file.get())) != 0)
      std::abort();
  }
  std::filesystem::rename(temporary, path);
  const int folder = ::open(path.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
  if (folder < 0) std::abort();
  ::fsync(folder);
  ::close(folder);
}

namespace {

// The floor's own file writing, straight from the query results: a name field, a
// little-endian count, a combo's name, size and bytes.
void putName(std::vector<std::uint8_t>& out, std::string_view text) {
  const NameField field = nameFieldFromText(text);
  out.insert(out.end(), field.begin(), field.end());
}

void putCount(std::vector<std::uint8_t>& out, std::size_t at, std::int32_t count) {
  const auto value = static_cast<std::uint32_t>(count);
  for (std::size_t i = 0; i < kCountSize; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void appendCount(std::vector<std::uint8_t>& out, std::int32_t count) {
  out.resize(out.size() + kCountSize);
  putCount(out, out.size() - kCountSize, count);
}

}  // namespace

void exportFloor(sqlite3* db, sqlite3_int64 gameId, const std::filesystem::path& output) {
  std::vector<std::uint8_t> out;
  exec(db, "begin");
  const Statement game = prepare(db, "select name from game where id=?");
  sqlite3_bind_int64(game.get(), 1, gameId);
  sqlite3_step(game.get());
  putName(out, reinterpret_cast<const char*>(sqlite3_column_text(game.get(), 0)));
  const Statement roles = prepare(db, "select id, name from role where gameid=? order by id");
  sqlite3_bind_int64(roles.get(), 1, gameId);
  std::vector<std::pair<sqlite3_int64, std::string>> characters;
  while (sqlite3_step(roles.get()) == SQLITE_ROW)
    characters.emplace_back(sqlite3_column_int64(roles.get(), 0),
                            reinterpret_cast<const char*>(sqlite3_column_text(roles.get(), 1)));
  appendCount(out, static_cast<std::int32_t>(characters.size()));
  const Statement moves = prepare(db, "select name, data from moves where roleid=? order by id");
  for (const auto& [id, name] : characters) {
    putName(out, name);
    // The combo count goes before the combos: counted while they are read, written back after.
    const std::size_t countAt = out.size();
    appendCount(out, 0);
    std::int32_t count = 0;
    sqlite3_bind_int64(moves.get(), 1, id);
    while (sqlite3_step(moves.get()) == SQLITE_ROW) {
      putName(out, reinterpret_cast<const char*>(sqlite3_column_text(moves.get(), 0)));
      const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(moves.get(), 1));
      const auto size = std::min(static_cast<std::size_t>(sqlite3_column_bytes(moves.get(), 1)), kBlockSize);
      appendCount(out, static_cast<std::int32_t>(size));
      out.insert(out.end(), data, data + size);
      ++count;
    }
    sqlite3_reset(moves.get());
    putCount(out, countAt, count);
  }
  exec(db, "commit");
  writeBytesDurably(output, out);
}

void newCatalogue(const std::filesystem::path& path) {
  std::filesystem::remove(path);
  std::string message;
  if (!createCatalogue(path, message)) std::abort();
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "strikepad-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

CatalogueFolder::CatalogueFolder() { newCatalogue(catalogue()); }

void BenchPrompts::notice(const std::string& text) {
  if (notices_ == Notices::Printed) std::fprintf(stderr, "%s\n", text.c_str());
}

void BenchPrompts::warning(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

OpenCatalogue::OpenCatalogue(const std::filesystem::path& path, Notices notices)
    : prompts(notices), file(path), store(file.store()), catalogue(file, prompts, {games, characters, combos}) {
  if (!file.open().done()) std::abort();
}

}  // namespace strikepad::bench
