// The window against plain SQLite. Start-up on a catalogue of 100,000 combos, all of one
// character of the one game, so that every one of them is in the combo list the window shows:
// constructing the main window (offscreen, no adapter attached) through its filled lists,
// against opening the file and reading the same game, character and combo rows with plain
// SQLite calls. And the combo preview: showing it over a combo of a character with 1,000
// combos, against showing it over the one combo of a character with one (it reads one record).
// And the script editor: opening it, drawn once with its timeline, on a combo of all 45 steps,
// against opening it on a combo of one step.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QHelpEvent>
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/combo_preview.h"
#include "app/main_dialog.h"
#include "app/menu_lists.h"
#include "app/script_editor.h"
#include "bench_support.h"
#include "combo/script_parser.h"
#include "device/hid_transport.h"

namespace strikepad::bench {
namespace {

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
class CurrentCatalogueFolder {
 public:
  explicit CurrentCatalogueFolder(const std::vector<int>& combosPerCharacter)
      : previous_(std::filesystem::current_path()) {
    const ComboBlock block = *parseScript("100 down rx -127 square cross\n50 up\n80 right circle ly 90\n").block;
    fillOneGame(folder_.catalogue(), combosPerCharacter, block);
    std::filesystem::current_path(folder_.path());
  }
  ~CurrentCatalogueFolder() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
  CatalogueFolder folder_;
};

constexpr int kStartupCombos = 100'000;

void BM_StartupOurs(benchmark::State& state) {
  ensureApplication();
  CurrentCatalogueFolder folder({kStartupCombos});
  // Nobody answers: the one message at start-up ("Can not find device.") goes nowhere.
  BenchPrompts prompts(Notices::Dropped);
  NoAdapter adapter;
  for (auto _ : state) {
    auto window = std::make_unique<MainDialog>(prompts, adapter, LinkTiming{});
    window->initialise();
    if (window->comboList()->model()->rowCount() != kStartupCombos) state.SkipWithError("combo list not filled");
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}

void BM_StartupFloor(benchmark::State& state) {
  CurrentCatalogueFolder folder({kStartupCombos});
  for (auto _ : state) {
    // A start begins with no rows in memory, as the window's does; like the window's, they are
    // freed outside the timing.
    auto lists = std::make_unique<std::array<Entries, 3>>();
    auto& [games, characters, combos] = *lists;
    const Connection db = openConnection("sp.dat");
    readEntries(db.get(), "select id, name from game order by id", 0, games);
    readEntries(db.get(), "select id, name from role where gameid=? order by id", games.front().second, characters);
    readEntries(db.get(), "select id, name from moves where roleid=? order by id", characters.front().second, combos);
    if (combos.size() != kStartupCombos) state.SkipWithError("wrong combo count");
    state.PauseTiming();
    lists.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartupOurs)->Name("startup_100k/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupFloor)->Name("startup_100k/floor")->Unit(benchmark::kMillisecond);

// Shows and hides the preview over the last combo of the window's combo list.
void previewLastCombo(benchmark::State& state, int combos) {
  ensureApplication();
  CurrentCatalogueFolder folder({combos});
  BenchPrompts prompts(Notices::Dropped);
  NoAdapter adapter;
  MainDialog window(prompts, adapter, LinkTiming{});
  window.initialise();
  window.show();
  QListView& list = *window.comboList();
  list.scrollTo(list.model()->index(combos - 1, 0));
  const QPoint point = list.visualRect(list.model()->index(combos - 1, 0)).center();
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

// Opens the editor on a combo of `steps` steps, each holding buttons and moving a stick, draws
// it once and closes it.
void openEditor(benchmark::State& state, int steps) {
  ensureApplication();
  std::string script;
  for (int k = 0; k < steps; ++k) script += std::to_string(10 + k) + " down right square r1 lx 90 ry -40\n";
  const ComboBlock combo = *parseScript(script).block;
  for (auto _ : state) {
    ComboBlock block = combo;
    ScriptEditor editor(block);
    editor.show();
    benchmark::DoNotOptimize(editor.grab());
  }
}

void BM_EditorOurs(benchmark::State& state) { openEditor(state, static_cast<int>(kStepCount)); }
void BM_EditorFloor(benchmark::State& state) { openEditor(state, 1); }
BENCHMARK(BM_EditorOurs)->Name("editor_45_steps/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditorFloor)->Name("editor_45_steps/floor")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace strikepad::bench
