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

#include "../exchange/file_size_limit.h"
#include "catalogue/catalogue.h"
#include "catalogue_files.h"
#include "exchange/exchange_commands.h"
#include "store/schema.h"
#include "store/store.h"
#include "temp_dir.h"

namespace strikepad::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr uid_t kNobody = 65534;

// The window's side of the catalogue: a store on the file, the lists, recorded prompts.
struct Window {
  explicit Window(const fs::path& file) : store(file), catalogue(store, prompts, {games, characters, combos}) {
    prompts.name = "Added";
  }
  bool start() {
    if (!store.ConnectStore()) return false;
    catalogue.FillGameList();
    return true;
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
    ImportGameFile(catalogue, spk);
  }
  std::vector<std::string> gameNames() const {
    std::vector<std::string> names;
    for (const auto& entry : games.entries()) names.push_back(entry.text);
    return names;
  }

  RecordingPrompts prompts{true};
  VectorPickList games, characters, combos;
  Store store;
  Catalogue catalogue;
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
  return window.prompts.shown;
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

}  // namespace
}  // namespace strikepad::testing
