// A process killed (SIGKILL) in the middle of importing a large file, deleting a large game or
// undoing that delete leaves sp.dat sound, holding all of the operation or none of it (the
// undo history included).
//
// The operation runs in a forked child on its own connection. The child reports every row
// it changes, and the commit, through a pipe; the parent kills it at a chosen report. At a
// "held" point the child waits inside the report until it is killed, so the kill lands
// exactly there; at a "running" point the child carries on and the kill lands wherever the
// signal finds it, the commit's file writes included.

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>

#include "catalogue_files.h"
#include "operations/catalogue_file.h"
#include "operations/catalogue_operations.h"
#include "operations/exchange_operations.h"
#include "operations/history_operations.h"
#include "store/schema.h"
#include "store/store.h"
#include "temp_dir.h"

namespace strikepad::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kCommitReport = 0xFFFFFFFF;

class Pipe {
 public:
  Pipe() {
    if (::pipe(fds_) != 0) throw std::runtime_error("pipe");
  }
  ~Pipe() {
    closeRead();
    closeWrite();
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;
  int readEnd() const { return fds_[0]; }
  int writeEnd() const { return fds_[1]; }
  void closeRead() { closeOne(fds_[0]); }
  void closeWrite() { closeOne(fds_[1]); }

 private:
  static void closeOne(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
  int fds_[2];
};

// What the child's hooks need: where to report, and where to wait at the held point.
struct Reporter {
  int reportFd;
  int holdFd;
  std::uint32_t holdAt;  // 0: never held
  std::uint32_t rows = 0;

  void tell(std::uint32_t report) {
    (void)!::write(reportFd, &report, sizeof report);
    // Nobody ever writes to holdFd: the read returns only when the parent gives up on us.
    if (report == holdAt) {
      char never;
      (void)!::read(holdFd, &never, 1);
    }
  }
};

void onRowChanged(void* reporter, int, const char*, const char*, sqlite3_int64) {
  auto* r = static_cast<Reporter*>(reporter);
  r->tell(++r->rows);
}

int onCommit(void* reporter) {
  static_cast<Reporter*>(reporter)->tell(kCommitReport);
  return 0;  // let the commit go on
}

using Operation = std::function<bool(CatalogueFile&)>;

// The child: opens the catalogue as both front ends do, hooks it, runs the operation, and
// ends without running the test framework's clean-up.
[[noreturn]] void runChild(const fs::path& catalogue, const Operation& operation, Reporter reporter) {
  CatalogueFile file(catalogue);
  if (!file.open().done()) ::_exit(3);
  sqlite3_update_hook(file.store().handle(), onRowChanged, &reporter);
  sqlite3_commit_hook(file.store().handle(), onCommit, &reporter);
  ::_exit(operation(file) ? 0 : 4);
}

struct KillPoint {
  std::uint32_t report;  // the row count, or kCommitReport
  bool held;             // the child waits there; otherwise it runs on
};

struct Outcome {
  bool killed;                   // false: the child finished before the signal
  std::uint32_t lastReport = 0;  // the last report the parent read
};

// Forks the child, kills it at `point` (unless it finishes first) and reaps it.
Outcome killDuring(const fs::path& catalogue, const Operation& operation, KillPoint point) {
  Pipe reports, hold;
  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork");
  if (child == 0) {
    reports.closeRead();
    hold.closeWrite();
    runChild(catalogue, operation, Reporter{reports.writeEnd(), hold.readEnd(), point.held ? point.report : 0});
  }
  reports.closeWrite();
  hold.closeRead();
  Outcome outcome{false};
  std::uint32_t report = 0;
  for (;;) {
    const ssize_t got = ::read(reports.readEnd(), &report, sizeof report);
    if (got < 0 && errno == EINTR) continue;
    if (got != static_cast<ssize_t>(sizeof report)) break;  // the child has ended
    outcome.lastReport = report;
    if (report == point.report) {
      ::kill(child, SIGKILL);
      break;
    }
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  outcome.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  if (!outcome.killed) {
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  }
  return outcome;
}

std::string describe(KillPoint point) {
  const std::string where = point.report == kCommitReport ? "the commit" : "row " + std::to_string(point.report);
  return (point.held ? "held at " : "running past ") + where;
}

// 40 characters of 50 combos: 2,041 rows, each with its own report.
constexpr int kCharacters = 40;
constexpr int kCombosEach = 50;
constexpr std::uint32_t kRows = 1 + kCharacters + kCharacters * kCombosEach;

const KillPoint kKillPoints[] = {
    {1, true},     {2, true},           {kRows / 2, true},     {kRows, true}, {kCommitReport, true},
    {10, false},   {kRows / 3, false},  {kRows - 1, false},    {kCommitReport, false},
};

class CrashSafety : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string message;
    ASSERT_TRUE(createCatalogue(base(), message)) << message;
    writeGames(base(), {makeGame("Other", 2, 3)});
  }

  fs::path base() const { return dir_ / "base.dat"; }
  // A fresh copy of the base catalogue for one run.
  fs::path trialCopy(const std::string& name) const {
    const fs::path copy = dir_ / name;
    fs::remove(copy);
    fs::copy_file(base(), copy);
    return copy;
  }

  // Kills the operation at every kill point, on a fresh copy each time; each file is then
  // sound and holds `before` or `after` and nothing else. One run goes to its end.
  using Dump = std::vector<std::string> (*)(const fs::path&);
  void expectAllOrNothing(const Operation& operation, const std::vector<std::string>& before,
                          const std::vector<std::string>& after, Dump dump = dumpCatalogue) {
    int interrupted = 0;
    for (const KillPoint point : kKillPoints) {
      SCOPED_TRACE(describe(point));
      const fs::path file = trialCopy("trial.dat");
      const Outcome outcome = killDuring(file, operation, point);
      if (point.held) {
        EXPECT_TRUE(outcome.killed);
      }
      interrupted += outcome.killed && outcome.lastReport != kCommitReport;
      ASSERT_EQ(integrityCheck(file), "ok");
      const auto now = dump(file);
      EXPECT_TRUE(now == before || now == after) << "a part of the operation survived: " << now.size() << " lines";
      // Held before the commit, nothing may survive.
      if (point.held && point.report != kCommitReport) {
        EXPECT_EQ(now, before);
      }
    }
    EXPECT_GE(interrupted, 4) << "kills that landed before the commit";

    const fs::path file = trialCopy("finished.dat");
    const Outcome finished = killDuring(file, operation, {0, false});
    EXPECT_FALSE(finished.killed);
    EXPECT_EQ(finished.lastReport, kCommitReport);
    EXPECT_EQ(dump(file), after);
  }

  TempDir dir_;
};

TEST_F(CrashSafety, AnImportKilledAnywhereLeavesAllOfTheGameOrNone) {
  const SpkGame game = makeGame("Big", kCharacters, kCombosEach);
  const fs::path spk = dir_ / "big.SPK";
  const auto bytes = encodeSpk(game);
  std::ofstream(spk, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

  const auto before = dumpCatalogue(base());
  const fs::path expected = trialCopy("expected.dat");
  writeGames(expected, {game});
  const auto after = dumpCatalogue(expected);
  ASSERT_EQ(after.size(), before.size() + kRows);

  expectAllOrNothing([&](CatalogueFile& f) { return importGameFile(f, spk, Confirmation::NotGiven).done(); }, before,
                     after);
}

TEST_F(CrashSafety, DeletingALargeGameKilledAnywhereLeavesAllOfItWithItsHistoryRecordOrNone) {
  writeGames(base(), {makeGame("Big", kCharacters, kCombosEach)});
  const auto before = dumpWithHistory(base());
  const fs::path expected = trialCopy("expected.dat");
  killDuring(expected, [](CatalogueFile& f) { return deleteGame(f, 2).done(); }, {0, false});
  const auto after = dumpWithHistory(expected);
  ASSERT_EQ(after.size(), before.size() - kRows);
  ASSERT_EQ(after.back(), "history 1 " + std::to_string(kRows));

  expectAllOrNothing([](CatalogueFile& f) { return deleteGame(f, 2).done(); }, before, after,
                     dumpWithHistory);
}

TEST_F(CrashSafety, AnUndoKilledAnywhereLeavesTheGameBackAndItsChangeGoneOrNeither) {
  writeGames(base(), {makeGame("Big", kCharacters, kCombosEach)});
  const auto after = dumpWithHistory(base());
  killDuring(base(), [](CatalogueFile& f) { return deleteGame(f, 2).done(); }, {0, false});
  const auto before = dumpWithHistory(base());
  ASSERT_EQ(before.back(), "history 1 " + std::to_string(kRows));

  expectAllOrNothing([](CatalogueFile& f) { return undoNewest(f).done(); }, before,
                     after, dumpWithHistory);
}

}  // namespace
}  // namespace strikepad::testing
