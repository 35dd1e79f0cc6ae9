#include "cli_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "temp_dir.h"

extern char** environ;

namespace strikepad::testing {
namespace {

class SpawnActions {
 public:
  SpawnActions() { check(posix_spawn_file_actions_init(&actions_), "posix_spawn_file_actions_init"); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;

  void open(int fd, const std::filesystem::path& path, int flags) {
    check(posix_spawn_file_actions_addopen(&actions_, fd, path.c_str(), flags, 0600), "addopen");
  }
  void close(int fd) { check(posix_spawn_file_actions_addclose(&actions_, fd), "addclose"); }
  void duplicate(int from, int to) { check(posix_spawn_file_actions_adddup2(&actions_, from, to), "adddup2"); }
  void changeDirectory(const std::filesystem::path& path) {
    check(posix_spawn_file_actions_addchdir_np(&actions_, path.c_str()), "addchdir");
  }
  const posix_spawn_file_actions_t* get() const { return &actions_; }

  static void check(int error, const char* what) {
    if (error != 0) throw std::system_error(error, std::generic_category(), what);
  }

 private:
  posix_spawn_file_actions_t actions_;
};

std::string readFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A program that has not ended by then is hung (on a FIFO, say): it is killed, so that the
// test fails instead of waiting forever. Every run ends far sooner.
constexpr int kHungAfterMs = 60'000;

void killIfHung(pid_t child) {
  // Through syscall: this C library's <sys/pidfd.h> cannot be used from C++.
  const int process = static_cast<int>(syscall(SYS_pidfd_open, child, 0));
  if (process < 0) throw std::system_error(errno, std::generic_category(), "pidfd_open");
  pollfd ended{process, POLLIN, 0};
  int ready;
  while ((ready = poll(&ended, 1, kHungAfterMs)) < 0 && errno == EINTR) {
  }
  // Not yet waited for, the child keeps its pid.
  if (ready == 0) kill(child, SIGKILL);
  close(process);
}

// Runs the program with standard input as `attachInput` sets it up.
CliResult run(const std::vector<std::string>& args, const std::function<void(SpawnActions&, const TempDir&)>& attachInput,
              const std::filesystem::path& workDir, const StandardOutput& output) {
  // Files rather than pipes: nothing can block however much the program writes.
  const TempDir io;
  SpawnActions actions;
  attachInput(actions, io);
  if (output.isClosed)
    actions.close(1);
  else if (!output.readWriteFile.empty())
    actions.open(1, output.readWriteFile, O_RDWR);
  else
    actions.open(1, io / "out", O_WRONLY | O_CREAT | O_TRUNC);
  actions.open(2, io / "err", O_WRONLY | O_CREAT | O_TRUNC);
  if (!workDir.empty()) actions.changeDirectory(workDir);

  std::vector<std::string> words{STRIKEPAD_CLI_PATH};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  pid_t child = 0;
  SpawnActions::check(posix_spawn(&child, argv[0], actions.get(), nullptr, argv.data(), environ), "posix_spawn");
  killIfHung(child);
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) throw std::system_error(errno, std::generic_category(), "waitpid");
  }
  const int exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return {exitCode, readFile(io / "out"), readFile(io / "err")};
}

}  // namespace

CliResult runCli(const std::vector<std::string>& args, std::string_view input, const std::filesystem::path& workDir,
                 const StandardOutput& output) {
  return run(args, [input](SpawnActions& actions, const TempDir& io) {
    std::ofstream(io / "in", std::ios::binary) << input;
    actions.open(0, io / "in", O_RDONLY);
  }, workDir, output);
}

CliResult runCliTyping(const std::vector<std::string>& args, std::string_view typed,
                       const std::filesystem::path& workDir) {
  int terminal = -1;
  int typist = -1;
  if (openpty(&typist, &terminal, nullptr, nullptr, nullptr) != 0)
    throw std::system_error(errno, std::generic_category(), "openpty");
  // Typed ahead: the terminal holds the lines until the program reads them.
  const bool written = write(typist, typed.data(), typed.size()) == static_cast<ssize_t>(typed.size());
  CliResult result = run(args, [terminal](SpawnActions& actions, const TempDir&) { actions.duplicate(terminal, 0); },
                         workDir, {});
  close(terminal);
  close(typist);
  if (!written) throw std::runtime_error("typing ahead failed");
  return result;
}

}  // namespace strikepad::testing
