// The catalogue file misbehaving under the commands: read-only, locked by another program,
// cut short or overwritten, the disk full. Each ends with a clear report and nothing lost.
// (A missing file, a file that is no database, one without the tables, and a lock met by a
// transaction are in tests/store; a full disk under the export file in tests/exchange.)

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <functional>
#include <random>

#include "file_size_limit.h"
#include "flows/catalogue_flows.h"
#include "catalogue_files.h"
#include "catalogue_harness.h"
#include "flows/exchange_flows.h"
#include "operations/catalogue_file.h"
#include "scripted_prompts.h"
#include "store/schema.h"
#include "store/store.h"
#include "temp_dir.h"
#include "operations/catalogue_operations.h"

namespace strikepad::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr uid_t kNobody = 65534;

// The window's side of the catalogue: a store on the file, the lists, recorded prompts, and the
// catalogue file the exchange works on.
struct Window {
  explicit Window(const fs::path& path) : harness(path, prompts), file(path) {
    prompts.answerEveryAsk(true);
    prompts.answerEveryName("Added");
  }
  bool start() {
    if (!store.ConnectStore() || !file.open().done()) return false;
    catalogue.FillGameList();
    return true;
  }
  void setBusyTimeout(std::chrono::milliseconds timeout) {
    store.setBusyTimeout(timeout);
    file.store().setBusyTimeout(timeout);
  }
  // Every command that writes, run on the current selections; each answers Yes.
  void tryEveryWrite(const fs::path& spk) {
    catalogue.OnAddGame();
    catalogue.FillGameList();
    catalogue.OnAddCharacter();
    catalogue.FillGameList();
    catalogue.OnRenameGame();
    catalogue.FillGameList();
    catalogue.OnDeleteCharacter();
    catalogue.FillGameList();
    catalogue.OnDeleteGame();
    importFile(spk);
  }
  // The import as the window runs it for a dropped file; what it came to returned.
  ImportProblem importFile(const fs::path& spk) { return importGameFlow(catalogue, file, spk).problem; }
  std::vector<std::string> gameNames() const {
    std::vector<std::string> names;
    for (const auto& entry : games.entries()) names.push_back(entry.text);
    return names;
  }

  ScriptedPrompts prompts;
  CatalogueHarness harness;
  VectorPickList& games = harness.games;
  Store& store = harness.store;
  Catalogue& catalogue = harness.catalogue;
  CatalogueFile file;
};

class StoreFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string message;
    ASSERT_TRUE(createCatalogue(file(), message)) << message;
    writeGames(file(), {makeGame("Street", 3, 4), makeGame("Arcana", 20, 20)});
    const auto bytes = encodeSpk(makeGame("Imported", 2, 2));
    std::ofstream(spk(), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    before_ = dumpCatalogue(file());
  }

  fs::path file() const { return dir_ / "sp.dat"; }
  fs::path spk() const { return dir_ / "new.SPK"; }

  TempDir dir_;
  std::vector<std::string> before_;
};

// Runs `scenario` as an ordinary user: root writes to read-only files regardless, so as root
// it runs in a child that has given its privileges up. The scenario's lines come back.
std::vector<std::string> asUnprivileged(const std::function<std::vector<std::string>()>& scenario) {
  if (::geteuid() != 0) return scenario();
  int fds[2];
  if (::pipe(fds) != 0) throw std::runtime_error("pipe");
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(fds[0]);
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
    std::string text;
    for (const std::string& line : scenario()) text += line + "\n";
    (void)!::write(fds[1], text.data(), text.size());
    ::_exit(0);
  }
  ::close(fds[1]);
  std::string text;
  char buffer[4096];
  for (ssize_t got; (got = ::read(fds[0], buffer, sizeof buffer)) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

// What an unwritable catalogue shows for the writes of tryEveryWrite: one store report each,
// after its question where the command asks one.
std::vector<std::string> refusedWrites(const std::string& report) {
  return {report, report, report, "do you want to delete Role: Character 0", report, "do you want to delete Game: Street",
          report, report};
}

// What the window showed while every write was tried on an unwritable catalogue.
std::vector<std::string> everyWriteOn(const fs::path& file, const fs::path& spk) {
  Window window(file);
  if (!window.start()) return {"did not start"};
  window.tryEveryWrite(spk);
  return window.prompts.messages();
}

TEST_F(StoreFaults, AReadOnlyFileRefusesEveryWriteWithOneReportEachAndLosesNothing) {
  const auto bytes = fileBytes(file());
  fs::permissions(dir_.path(), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(file(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const auto shown = asUnprivileged([&] { return everyWriteOn(file(), spk()); });
  EXPECT_EQ(shown, refusedWrites("error Information:attempt to write a readonly database(8)"));
  EXPECT_EQ(fileBytes(file()), bytes);
  EXPECT_EQ(dumpCatalogue(file()), before_);
}

TEST_F(StoreFaults, AReadOnlyFolderRefusesEveryWriteWithOneReportEachAndLosesNothing) {
  const auto bytes = fileBytes(file());
  fs::permissions(dir_.path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(file().c_str(), kNobody, kNobody), 0);
  }
  const auto shown = asUnprivileged([&] { return everyWriteOn(file(), spk()); });
  fs::permissions(dir_.path(), fs::perms::owner_all);
  // No journal can be made beside the file, so no write can begin.
  EXPECT_EQ(shown, refusedWrites("error Information:attempt to write a readonly database(608)"));
  EXPECT_EQ(fileBytes(file()), bytes);
  EXPECT_EQ(dumpCatalogue(file()), before_);
}

TEST_F(StoreFaults, AFileHoldingATriggerRefusesEveryWriteWithOneReportEachAndLosesNothing) {
  {
    Store other(file());
    ASSERT_TRUE(other.ConnectStore());
    ASSERT_TRUE(other.execute("create trigger t after delete on moves begin delete from game; end"));
  }
  EXPECT_EQ(everyWriteOn(file(), spk()),
            refusedWrites("this catalogue holds what this program did not make, so it is read but not changed:\n"
                          "trigger t; remove it with: sqlite3 " + file().string() + " 'drop trigger t'"));
  EXPECT_EQ(dumpCatalogue(file()), before_);
}

// Another program holds the file locked (its own transaction) for longer than the store waits.
class LockHolder {
 public:
  LockHolder(const fs::path& file, const char* begin) {
    int ready[2], release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0) throw std::runtime_error("pipe");
    child_ = ::fork();
    if (child_ == 0) {
      ::close(ready[0]);
      ::close(release[1]);  // else the parent's close would never reach the read below
      sqlite3* db = nullptr;
      if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
          sqlite3_exec(db, begin, nullptr, nullptr, nullptr) != SQLITE_OK ||
          sqlite3_exec(db, "insert into game(name) values('never committed')", nullptr, nullptr, nullptr) != SQLITE_OK)
        ::_exit(2);
      (void)!::write(ready[1], "L", 1);
      char go;
      (void)!::read(release[0], &go, 1);
      sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
      sqlite3_close(db);
      ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    release_ = release[1];
    char locked = 0;
    locked_ = ::read(ready[0], &locked, 1) == 1;
    ::close(ready[0]);
  }
  ~LockHolder() { release(); }
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;

  bool locked() const { return locked_; }
  // Lets the other program roll back and end; waits for it.
  void release() {
    if (release_ < 0) return;
    ::close(release_);
    release_ = -1;
    int status = 0;
    ::waitpid(child_, &status, 0);
  }

 private:
  pid_t child_ = -1;
  int release_ = -1;
  bool locked_ = false;
};

TEST_F(StoreFaults, WritesWhileAnotherProgramIsWritingAreRefusedWithOneReportEachThenWorkAgain) {
  Window window(file());
  ASSERT_TRUE(window.start());
  window.setBusyTimeout(5ms);  // how long the store waits is not under test
  const auto names = window.gameNames();
  LockHolder other(file(), "begin immediate");
  ASSERT_TRUE(other.locked());

  window.catalogue.FillGameList();
  EXPECT_EQ(window.gameNames(), names) << "reading goes on while the other program writes";
  window.tryEveryWrite(spk());
  EXPECT_EQ(window.prompts.messages(), refusedWrites("error Information:database is locked(5)"));

  other.release();
  EXPECT_EQ(dumpCatalogue(file()), before_);
  window.prompts.clearEvents();
  window.catalogue.FillGameList();
  window.catalogue.OnAddGame();
  EXPECT_EQ(window.prompts.messages(), std::vector<std::string>{});
  EXPECT_EQ(window.games.selectedText(), "Added");
}

TEST_F(StoreFaults, WritesWhileAnotherProgramHoldsTheFileWholeAreRefusedAndLoseNothing) {
  Window window(file());
  ASSERT_TRUE(window.start());
  window.setBusyTimeout(5ms);
  LockHolder other(file(), "begin exclusive");
  ASSERT_TRUE(other.locked());

  window.catalogue.OnAddGame();
  window.importFile(spk());
  EXPECT_EQ(window.prompts.messages(), std::vector<std::string>(2, "error Information:database is locked(5)"));

  other.release();
  EXPECT_EQ(dumpCatalogue(file()), before_);
  window.catalogue.FillGameList();
  EXPECT_EQ(window.games.count(), 2);
}

// A read that the other program's lock stops halfway is reported, never taken for an empty
// result: the lists say why they are empty, and the delete removes nothing.
TEST_F(StoreFaults, ReadsWhileAnotherProgramHoldsTheFileWholeAreReportedNotTakenForEmpty) {
  Window window(file());
  ASSERT_TRUE(window.start());
  window.setBusyTimeout(5ms);
  LockHolder other(file(), "begin exclusive");
  ASSERT_TRUE(other.locked());

  window.catalogue.FillGameList();
  EXPECT_EQ(window.prompts.messages(), std::vector<std::string>{"error Information:database is locked(5)"});
  EXPECT_EQ(window.games.count(), 0);
  EXPECT_EQ(readComboData(window.catalogue.file(), 1).outcome, Outcome::Failed);

  other.release();
  EXPECT_EQ(dumpCatalogue(file()), before_);
  window.catalogue.FillGameList();
  EXPECT_EQ(window.gameNames(), (std::vector<std::string>{"Street", "Arcana"}));
}

// The export says what the store's report means for it, and leaves no file.
TEST_F(StoreFaults, AnExportTheStoreCannotReadShowsTheReportThenThatItFoundNoGameData) {
  Window window(file());
  ASSERT_TRUE(window.start());
  window.setBusyTimeout(5ms);
  LockHolder other(file(), "begin exclusive");
  ASSERT_TRUE(other.locked());

  window.prompts.answerSaveFile((dir_ / "street.SPK").string());
  const std::optional<ExportResult> result = OnExportGame(window.catalogue, window.file);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->problem, ExportProblem::StoreFailed);
  EXPECT_EQ(window.prompts.messages(),
            (std::vector<std::string>{"error Information:database is locked(5)", "Can not find game data"}));
  EXPECT_FALSE(fs::exists(dir_ / "street.SPK"));
}

std::vector<std::string> storeReports(const std::vector<std::string>& shown) {
  std::vector<std::string> reports;
  for (const std::string& text : shown)
    if (text.starts_with("error Information:")) reports.push_back(text);
  return reports;
}

// A damaged file is reported once, at start; the lists stay empty, later commands show no
// store report (only their own notices about the empty lists), and the file keeps its bytes
// for whoever can still rescue them.
void expectOneReportAtStartOnly(const fs::path& file, const fs::path& spk, const std::string& report) {
  const auto bytes = fileBytes(file);
  Window window(file);
  EXPECT_FALSE(window.start());
  window.catalogue.FillGameList();
  window.tryEveryWrite(spk);
  EXPECT_EQ(window.prompts.messages(), (std::vector<std::string>{report, "Game list is empty."}));
  EXPECT_EQ(window.games.count(), 0);
  EXPECT_EQ(fileBytes(file), bytes) << "the file is not modified";
}

TEST_F(StoreFaults, AFileCutShortIsReportedOnceAtStart) {
  fs::resize_file(file(), fs::file_size(file()) / 2);
  expectOneReportAtStartOnly(file(), spk(), "error Information:database disk image is malformed(b)");
}

TEST_F(StoreFaults, AFileOverwrittenWithGarbageIsReportedOnceAtStart) {
  auto bytes = fileBytes(file());
  std::mt19937 random(7);
  for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
  std::ofstream(file(), std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  expectOneReportAtStartOnly(file(), spk(), "error Information:file is not a database(1a)");
}

// With its first page whole the file opens; the damage is reported where a command meets it,
// and nothing is written into it.
TEST_F(StoreFaults, AFileOverwrittenPastItsFirstPageIsReportedWhereReadAndNotModified) {
  auto bytes = fileBytes(file());
  std::mt19937 random(11);
  for (std::size_t i = 4096; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(random());
  std::ofstream(file(), std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  Window window(file());
  window.start();
  window.tryEveryWrite(spk());
  const auto reports = storeReports(window.prompts.messages());
  EXPECT_FALSE(reports.empty());
  EXPECT_EQ(reports, std::vector<std::string>(reports.size(), "error Information:database disk image is malformed(b)"));
  EXPECT_EQ(window.games.count(), 0);
  EXPECT_EQ(fileBytes(file()), bytes);
}

TEST_F(StoreFaults, AFullDiskDuringAnImportAddsNothingAndLeavesTheFileSound) {
  Window window(file());
  ASSERT_TRUE(window.start());
  const auto big = encodeSpk(makeGame("Too Big", 20, 50));
  std::ofstream(dir_ / "big.SPK", std::ios::binary).write(reinterpret_cast<const char*>(big.data()), static_cast<std::streamsize>(big.size()));
  ImportProblem outcome;
  {
    FileSizeLimit diskFull(fs::file_size(file()) + 64 * 1024);
    outcome = window.importFile(dir_ / "big.SPK");
  }
  EXPECT_EQ(outcome, ImportProblem::StoreFailed);
  EXPECT_EQ(window.prompts.messages(), std::vector<std::string>{"error Information:disk I/O error(30a)"});
  EXPECT_EQ(integrityCheck(file()), "ok");
  EXPECT_EQ(dumpCatalogue(file()), before_);
  window.prompts.clearEvents();
  EXPECT_EQ(window.importFile(spk()), ImportProblem::None) << "room again: it works";
}

}  // namespace
}  // namespace strikepad::testing
