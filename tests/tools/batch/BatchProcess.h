#pragma once
// sheafmill-batch as a process of its own, as a shell or a script runs it: its standard
// output and error read as they come, signals sent in the middle of a run, and its exit
// status. The environment is the test's own with the given variables changed, so that the
// tool works on a private profile and home.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace testsupport {

struct BatchResult {
  int exitStatus = -1;  // -1: ended by a signal
  std::string out;
  std::string err;
};

// Where the tool's standard output goes: a pipe, or a terminal of `columns` columns.
struct OutputTerminal {
  unsigned short columns = 0;  // 0: a pipe
};

class BatchProcess {
 public:
  BatchProcess(const std::vector<std::string>& args,
               const std::map<std::string, std::string>& environment,
               OutputTerminal terminal = {}) {
    int outPipe[2];
    int errPipe[2];
    if (::pipe2(errPipe, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
    if (terminal.columns == 0 && ::pipe2(outPipe, O_CLOEXEC) != 0) {
      throw std::runtime_error("no pipe");
    }
    winsize size{24, terminal.columns, 0, 0};
    if (terminal.columns != 0 &&
        ::openpty(&outPipe[0], &outPipe[1], nullptr, nullptr, &size) != 0) {
      throw std::runtime_error("no terminal");
    }
    ::fcntl(outPipe[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(outPipe[1], F_SETFD, FD_CLOEXEC);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    std::vector<std::string> argStrings{SHEAFMILL_BATCH_EXE};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<std::string> envStrings = Environment(environment);
    std::vector<char*> argv = Pointers(argStrings);
    std::vector<char*> envp = Pointers(envStrings);
    const int error =
        posix_spawn(&pid_, SHEAFMILL_BATCH_EXE, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    out_ = outPipe[0];
    err_ = errPipe[0];
    if (error != 0) throw std::runtime_error("cannot start " + std::string(SHEAFMILL_BATCH_EXE));
  }
  ~BatchProcess() {
    if (pid_ > 0 && !status_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    ::close(out_);
    ::close(err_);
  }
  BatchProcess(const BatchProcess&) = delete;
  BatchProcess& operator=(const BatchProcess&) = delete;

  // Reads until `text` has appeared on standard output (or error, when `onError`); false when
  // the process closed its streams or `limit` passed first.
  bool WaitFor(std::string_view text, bool onError = false,
               std::chrono::seconds limit = std::chrono::seconds(120)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    const std::string& seen = onError ? result_.err : result_.out;
    while (seen.find(text) == std::string::npos) {
      if (std::chrono::steady_clock::now() >= end || !ReadSome(100)) return false;
    }
    return true;
  }

  void Signal(int signal) const { ::kill(pid_, signal); }

  // Reads both streams to their end and collects the process.
  BatchResult Finish() {
    while (ReadSome(1000)) {
    }
    int status = 0;
    ::waitpid(pid_, &status, 0);
    status_ = status;
    result_.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result_;
  }

  const BatchResult& SoFar() const { return result_; }

 private:
  static std::vector<std::string> Environment(const std::map<std::string, std::string>& changes) {
    std::vector<std::string> strings;
    for (char** entry = environ; *entry != nullptr; ++entry) {
      const std::string text = *entry;
      if (changes.count(text.substr(0, text.find('='))) == 0) strings.push_back(text);
    }
    for (const auto& [name, value] : changes) strings.push_back(name + "=" + value);
    return strings;
  }
  static std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& text : strings) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
  }

  // One wait for output; false once both streams are closed.
  bool ReadSome(int timeoutMs) {
    pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
    std::string* targets[2] = {&result_.out, &result_.err};
    bool open = false;
    for (int i = 0; i < 2; ++i) open = open || !closed_[i];
    if (!open) return false;
    for (int i = 0; i < 2; ++i) {
      if (closed_[i]) fds[i].fd = -1;
    }
    if (::poll(fds, 2, timeoutMs) <= 0) return true;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
      if (got <= 0) {
        closed_[i] = true;
      } else {
        targets[i]->append(buffer, static_cast<size_t>(got));
      }
    }
    return true;
  }

  pid_t pid_ = -1;
  int out_ = -1;
  int err_ = -1;
  bool closed_[2] = {false, false};
  std::optional<int> status_;
  BatchResult result_;
};

inline BatchResult RunBatch(const std::vector<std::string>& args,
                            const std::map<std::string, std::string>& environment) {
  return BatchProcess(args, environment).Finish();
}

}  // namespace testsupport
