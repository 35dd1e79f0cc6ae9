// The catalogue against plain SQLite: adding a combo to a large catalogue against adding one
// to a small one, and filling the three lists against reading the same rows directly.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"
#include "store/schema.h"
#include "store/store.h"

namespace strikepad {
namespace {

class SilentPrompts final : public Prompts {
 public:
  void notice(const std::string&) override {}
  void warning(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  bool ask(const std::string&, const std::string&) override { return false; }
  std::string askName(const std::string&, const std::string&) override { return {}; }
  std::string chooseOpenFile(const FileFilter&) override { return {}; }
  std::string chooseSaveFile(const FileFilter&) override { return {}; }
  void editScript(ComboBlock&) override {}
  void setTitle(const std::string&) override {}
};

// A catalogue file in a fresh temporary folder: one game, `characters` characters with
// `combosEach` combos each, written with plain SQLite in one transaction.
class CatalogueFile {
 public:
  CatalogueFile(int characters, int combosEach) {
    std::string pattern = (std::filesystem::temp_directory_path() / "strikepad-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
    path_ = folder_ / "sp.dat";
    std::string message;
    if (!createCatalogue(path_, message)) std::abort();
    fill(characters, combosEach);
  }
  ~CatalogueFile() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }
  RecordId lastCharacter() const { return lastCharacter_; }

 private:
  void fill(int characters, int combosEach) {
    sqlite3* raw = nullptr;
    sqlite3_open(path_.c_str(), &raw);
    std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(raw, sqlite3_close);
    sqlite3_exec(db.get(), "begin; insert into game(name) values('Game');", nullptr, nullptr, nullptr);
    const std::vector<unsigned char> block(kBlockSize, 0x11);
    for (int c = 0; c < characters; ++c) {
      exec(db.get(), "insert into role(name, gameid) values('Character " + std::to_string(c) + "', 1)");
      lastCharacter_ = static_cast<RecordId>(sqlite3_last_insert_rowid(db.get()));
      sqlite3_stmt* raw_statement = nullptr;
      sqlite3_prepare_v2(db.get(), "insert into moves(name, roleid, data) values(?, ?, ?)", -1, &raw_statement, nullptr);
      std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> insert(raw_statement, sqlite3_finalize);
      for (int m = 0; m < combosEach; ++m) {
        const std::string name = "Combo " + std::to_string(m);
        sqlite3_bind_text(insert.get(), 1, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insert.get(), 2, lastCharacter_);
        sqlite3_bind_blob(insert.get(), 3, block.data(), static_cast<int>(block.size()), SQLITE_STATIC);
        sqlite3_step(insert.get());
        sqlite3_reset(insert.get());
      }
    }
    sqlite3_exec(db.get(), "commit", nullptr, nullptr, nullptr);
  }
  static void exec(sqlite3* db, const std::string& sql) { sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr); }

  std::filesystem::path folder_;
  std::filesystem::path path_;
  RecordId lastCharacter_ = 0;
};

struct OpenCatalogue {
  explicit OpenCatalogue(const std::filesystem::path& path)
      : store(path), catalogue(store, prompts, {games, characters, combos}) {
    if (!store.ConnectStore()) std::abort();
  }
  SilentPrompts prompts;
  VectorPickList games, characters, combos;
  Store store;
  Catalogue catalogue;
};

// One new combo per iteration under the last character, through StoreNewCombo.
void addCombos(benchmark::State& state, int characters, int combosEach) {
  CatalogueFile file(characters, combosEach);
  OpenCatalogue open(file.path());
  const ComboBlock block = emptyComboBlock();
  int n = 0;
  for (auto _ : state) {
    const RecordId id = open.catalogue.StoreNewCombo("New " + std::to_string(n++), file.lastCharacter(), block.data(),
                                                     block.size());
    if (id < 0) state.SkipWithError("not stored");
  }
}

// 100,000 combos (100 characters of 1,000) against 10.
void BM_AddComboLarge(benchmark::State& state) { addCombos(state, 100, 1000); }
void BM_AddComboSmall(benchmark::State& state) { addCombos(state, 1, 10); }
BENCHMARK(BM_AddComboLarge)->Name("add_combo_100k/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddComboSmall)->Name("add_combo_100k/floor")->Unit(benchmark::kMicrosecond);

void BM_FillListsOurs(benchmark::State& state) {
  CatalogueFile file(1, 1000);
  OpenCatalogue open(file.path());
  for (auto _ : state) {
    open.catalogue.FillGameList();
    benchmark::DoNotOptimize(open.combos.count());
  }
  if (open.combos.count() != 1000) state.SkipWithError("wrong combo count");
}

// The same three queries read row by row, keeping each record's name and id.
void BM_FillListsFloor(benchmark::State& state) {
  CatalogueFile file(1, 1000);
  sqlite3* raw = nullptr;
  sqlite3_open_v2(file.path().c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
  std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(raw, sqlite3_close);
  using Entries = std::vector<std::pair<std::string, RecordId>>;
  auto read = [&](const char* sql, RecordId parent, Entries& entries) {
    entries.clear();
    sqlite3_stmt* raw_statement = nullptr;
    sqlite3_prepare_v2(db.get(), sql, -1, &raw_statement, nullptr);
    std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> query(raw_statement, sqlite3_finalize);
    if (parent) sqlite3_bind_int(query.get(), 1, parent);
    while (sqlite3_step(query.get()) == SQLITE_ROW)
      entries.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(query.get(), 1)),
                           sqlite3_column_int(query.get(), 0));
  };
  Entries games, characters, combos;
  for (auto _ : state) {
    read("select * from game", 0, games);
    read("select * from role where gameid=?", games.front().second, characters);
    read("select * from moves where roleid=?", characters.front().second, combos);
    benchmark::DoNotOptimize(combos.size());
  }
}
BENCHMARK(BM_FillListsOurs)->Name("fill_lists_1000/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillListsFloor)->Name("fill_lists_1000/floor")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace strikepad
