// The window against plain SQLite. Start-up on a catalogue of 100,000 combos, all of one
// character of the one game, so that every one of them is in the combo list the window shows:
// constructing the main window (offscreen, no adapter attached) through its filled lists,
// against opening the file and reading the same game, character and combo rows with plain
// SQLite calls. And the combo preview: showing it over a combo of a character with 1,000
// combos, against showing it over the one combo of a character with one (it reads one record).

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QHelpEvent>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/combo_preview.h"
#include "app/main_dialog.h"
#include "app/menu_lists.h"
#include "catalogue/prompts.h"
#include "combo/script_parser.h"
#include "device/hid_transport.h"
#include "store/schema.h"

namespace strikepad {
namespace {

using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

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

std::unique_ptr<QApplication> offscreenApplication() {
  static int argc = 1;
  static char name[] = "strikepad-bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QApplication>(argc, argv);
}

// One QApplication for the whole run, offscreen unless a platform is chosen. Made in the
// static's initialiser, so it is destroyed before the statics Qt makes while it is built.
void ensureApplication() { static const std::unique_ptr<QApplication> application = offscreenApplication(); }

// Nobody answers: the one message at start-up ("Can not find device.") goes nowhere.
class NoPrompts final : public Prompts {
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

class NoAdapter final : public HidTransport {
 public:
  OpenResult open(std::uint16_t, std::uint16_t) override { return OpenResult::NotFound; }
  bool isOpen() const override { return false; }
  void close() override {}
  bool write(const Report&) override { return false; }
  ReadResult read(std::vector<std::uint8_t>&, std::chrono::milliseconds) override { return ReadResult::Failed; }
  std::string lastError() const override { return {}; }
};

// sp.dat in a fresh temporary folder, which is the current folder while it lives (the window
// opens sp.dat there): one game, one character per entry of `combosPerCharacter`.
class CatalogueFolder {
 public:
  explicit CatalogueFolder(const std::vector<int>& combosPerCharacter) : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "strikepad-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
    std::string message;
    if (!createCatalogue(path(), message)) std::abort();
    fill(combosPerCharacter);
    std::filesystem::current_path(folder_);
  }
  ~CatalogueFolder() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::filesystem::path path() const { return folder_ / "sp.dat"; }

 private:
  void fill(const std::vector<int>& combosPerCharacter) {
    const Connection db = openConnection(path());
    sqlite3_exec(db.get(), "begin; insert into game(name) values('Game')", nullptr, nullptr, nullptr);
    const ComboBlock block = *parseScript("100 down rx -127 square cross\n50 up\n80 right circle ly 90\n").block;
    const Statement role = prepare(db.get(), "insert into role(name, gameid) values(?, 1)");
    const Statement combo = prepare(db.get(), "insert into moves(name, roleid, data) values(?, ?, ?)");
    for (std::size_t c = 0; c < combosPerCharacter.size(); ++c) {
      const std::string characterName = "Character " + std::to_string(c);
      sqlite3_bind_text(role.get(), 1, characterName.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_step(role.get());
      sqlite3_reset(role.get());
      const sqlite3_int64 roleId = sqlite3_last_insert_rowid(db.get());
      for (int m = 0; m < combosPerCharacter[c]; ++m) {
        const std::string name = "Combo " + std::to_string(m);
        sqlite3_bind_text(combo.get(), 1, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(combo.get(), 2, roleId);
        sqlite3_bind_blob(combo.get(), 3, block.data(), static_cast<int>(block.size()), SQLITE_STATIC);
        sqlite3_step(combo.get());
        sqlite3_reset(combo.get());
      }
    }
    sqlite3_exec(db.get(), "commit", nullptr, nullptr, nullptr);
  }

  std::filesystem::path previous_;
  std::filesystem::path folder_;
};

constexpr int kStartupCombos = 100'000;

void BM_StartupOurs(benchmark::State& state) {
  ensureApplication();
  CatalogueFolder folder({kStartupCombos});
  NoPrompts prompts;
  NoAdapter adapter;
  for (auto _ : state) {
    auto window = std::make_unique<MainDialog>(prompts, adapter, LinkTiming{});
    window->initialise();
    if (window->comboList()->count() != kStartupCombos) state.SkipWithError("combo list not filled");
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}

void BM_StartupFloor(benchmark::State& state) {
  CatalogueFolder folder({kStartupCombos});
  using Entries = std::vector<std::pair<std::string, sqlite3_int64>>;
  Entries games, characters, combos;
  auto read = [](sqlite3* db, const char* sql, sqlite3_int64 parent, Entries& entries) {
    entries.clear();
    const Statement query = prepare(db, sql);
    if (parent) sqlite3_bind_int64(query.get(), 1, parent);
    while (sqlite3_step(query.get()) == SQLITE_ROW)
      entries.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(query.get(), 1)),
                           sqlite3_column_int64(query.get(), 0));
  };
  for (auto _ : state) {
    const Connection db = openConnection("sp.dat");
    read(db.get(), "select id, name from game", 0, games);
    read(db.get(), "select id, name from role where gameid=?", games.front().second, characters);
    read(db.get(), "select id, name from moves where roleid=?", characters.front().second, combos);
    benchmark::DoNotOptimize(combos.size());
  }
  if (combos.size() != kStartupCombos) state.SkipWithError("wrong combo count");
}
BENCHMARK(BM_StartupOurs)->Name("startup_100k/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupFloor)->Name("startup_100k/floor")->Unit(benchmark::kMillisecond);

// Shows and hides the preview over the last combo of the window's combo list.
void previewLastCombo(benchmark::State& state, int combos) {
  ensureApplication();
  CatalogueFolder folder({combos});
  NoPrompts prompts;
  NoAdapter adapter;
  MainDialog window(prompts, adapter, LinkTiming{});
  window.initialise();
  window.show();
  QListWidget& list = *window.comboList();
  list.scrollToItem(list.item(combos - 1));
  const QPoint point = list.visualItemRect(list.item(combos - 1)).center();
  ComboPreview& preview = *window.comboPreview()->popup();
  for (auto _ : state) {
    QHelpEvent rest(QEvent::ToolTip, point, list.viewport()->mapToGlobal(point));
    QApplication::sendEvent(list.viewport(), &rest);
    if (!preview.isVisible()) state.SkipWithError("no preview");
    state.PauseTiming();
    preview.hide();
    state.ResumeTiming();
  }
}

void BM_PreviewOurs(benchmark::State& state) { previewLastCombo(state, 1000); }
void BM_PreviewFloor(benchmark::State& state) { previewLastCombo(state, 1); }
BENCHMARK(BM_PreviewOurs)->Name("preview_1000/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviewFloor)->Name("preview_1000/floor")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace strikepad
