// Several strikepad-cli processes adding, deleting and importing on one catalogue at once.
// Whatever order the store lets them in, the catalogue ends with no orphan, no two names of
// one parent that compare equal, and every acknowledged add still there unless a delete that
// may have come after it removed it.

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "../cli/cli_runner.h"
#include "store/sqlite_handles.h"
#include "temp_dir.h"
#include "text/name_fold.h"

namespace strikepad::testing {
namespace {

using Clock = std::chrono::steady_clock;

// What each add combo reads on its standard input.
constexpr std::string_view kScript = "100 down\r\n";

struct TimedRun {
  std::vector<std::string> args;
  int exitCode;
  std::string err;
  Clock::time_point start, end;
};

// One process after another, as one user's shell would run them.
std::vector<TimedRun> runAll(const std::vector<std::vector<std::string>>& commands, const TempDir& dir) {
  std::vector<TimedRun> runs;
  for (const auto& args : commands) {
    const Clock::time_point start = Clock::now();
    const CliResult result = runCli(args, args[0] == "add" && args[1] == "combo" ? kScript : "", dir.path());
    runs.push_back({args, result.exitCode, result.err, start, Clock::now()});
  }
  return runs;
}

// Each record as (game, character, combo) names; the lower levels empty for games and
// characters. Orphans are counted apart.
struct StoredNames {
  std::vector<std::vector<std::string>> paths;
  int orphans = 0;
};

StoredNames read(const std::filesystem::path& file) {
  sqlite3* raw = nullptr;
  sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
  const ConnectionHandle db(raw);
  StoredNames catalogue;
  const auto rows = [&](const char* sql) {
    std::vector<std::vector<std::string>> result;
    const StatementHandle statement = prepareStatement(db.get(), sql);
    while (statement && sqlite3_step(statement.get()) == SQLITE_ROW) {
      std::vector<std::string> row;
      for (int i = 0; i < sqlite3_column_count(statement.get()); ++i)
        row.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), i)));
      result.push_back(std::move(row));
    }
    return result;
  };
  for (const auto& row : rows("select count(*) from role where gameid not in (select id from game)"))
    catalogue.orphans += std::stoi(row[0]);
  for (const auto& row : rows("select count(*) from moves where roleid not in (select id from role)"))
    catalogue.orphans += std::stoi(row[0]);
  catalogue.paths = rows("select name, '', '' from game");
  for (auto& row : rows("select game.name, role.name, '' from role join game on gameid=game.id"))
    catalogue.paths.push_back(row);
  for (auto& row : rows("select game.name, role.name, moves.name from moves join role on roleid=role.id"
                        " join game on gameid=game.id"))
    catalogue.paths.push_back(row);
  return catalogue;
}

std::vector<std::string> folded(const std::vector<std::string>& path) {
  std::vector<std::string> result;
  for (const std::string& name : path) result.push_back(foldName(name));
  return result;
}

TEST(ConcurrentCli, AddsDeletesAndImportsAtOnceLeaveNoOrphanNoTwinAndKeepAcknowledgedAdds) {
  TempDir dir;
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"init"}, {"add", "game", "Arena"}, {"add", "game", "Duel"},
        {"add", "character", "Duel", "Ken"}, {"add", "combo", "Duel", "Ken", "Spin"}, {"export", "Duel", "duel.spk"}}) {
    const CliResult result = runCli(args, args.size() > 1 && args[1] == "combo" ? kScript : "", dir.path());
    ASSERT_EQ(result.exitCode, 0) << result.err;
  }

  constexpr int kRounds = 8;
  std::vector<std::vector<std::vector<std::string>>> programs(4);
  for (int i = 0; i < kRounds; ++i) {
    const std::string n = std::to_string(i);
    // Adds under a game nobody deletes, and under one that comes and goes.
    programs[0].insert(programs[0].end(), {{"add", "character", "Arena", "Fighter" + n},
                                           {"add", "combo", "Arena", "Fighter" + n, "Move"},
                                           {"add", "character", "Temp", "Racer" + n}});
    // The same names in other letter case, at the same time.
    programs[1].insert(programs[1].end(), {{"add", "character", "Arena", "FIGHTER" + n},
                                           {"add", "combo", "Temp", "Racer" + n, "Dash"},
                                           {"add", "character", "duel", "Extra" + n}});
    programs[2].insert(programs[2].end(), {{"add", "game", "Temp"},
                                           {"delete", "game", "Temp"},
                                           {"add", "game", "Temp"},
                                           {"add", "character", "Temp", "Racer" + n},
                                           {"delete", "game", "Temp"},
                                           {"delete", "game", "Duel"}});
    programs[3].insert(programs[3].end(), {{"import", "duel.spk", "--yes"}, {"add", "combo", "Duel", "Ken", "Kick" + n}});
  }
  std::vector<std::vector<TimedRun>> runs(programs.size());
  {
    std::vector<std::jthread> threads;
    for (std::size_t p = 0; p < programs.size(); ++p)
      threads.emplace_back([&, p] { runs[p] = runAll(programs[p], dir); });
  }

  const StoredNames catalogue = read(dir / "sp.dat");
  EXPECT_EQ(catalogue.orphans, 0);
  std::set<std::vector<std::string>> names;
  for (const auto& path : catalogue.paths)
    EXPECT_TRUE(names.insert(folded(path)).second) << "twin: " << path[0] << "/" << path[1] << "/" << path[2];

  std::vector<TimedRun> all;
  for (const auto& program : runs) all.insert(all.end(), program.begin(), program.end());
  for (const TimedRun& add : all) {
    ASSERT_TRUE(add.exitCode == 0 || add.exitCode == 1) << add.args[0] << " exited " << add.exitCode;
    // A refusal is the command's own message, never a store failure.
    EXPECT_EQ(add.err.find("error Information:"), std::string::npos) << add.err;
    if (add.exitCode != 0 || add.args[0] == "delete") continue;
    // What the add made: an import makes the file's game, character and combo.
    std::vector<std::string> path = add.args[0] == "import" ? std::vector<std::string>{"Duel", "Ken", "Spin"}
                                                            : std::vector<std::string>(add.args.begin() + 2, add.args.end());
    path.resize(3);
    bool mayBeDeleted = false;
    for (const TimedRun& remove : all)
      mayBeDeleted |= remove.exitCode == 0 && remove.args[0] == "delete" && sameName(remove.args[2], path[0]) &&
                      remove.end > add.start;
    EXPECT_TRUE(mayBeDeleted || names.contains(folded(path)))
        << "lost: " << path[0] << "/" << path[1] << "/" << path[2];
  }
}

}  // namespace
}  // namespace strikepad::testing
