#include "tools/batch/WorkerProcesses.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "platform/Error.h"
#include "platform/system/ChildEnvironment.h"

namespace batch {
namespace {

constexpr char kProfileVariable[] = "SHEAFMILL_PROFILE=";

int ExitStatus(int status) {
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

void WorkerProcesses::Start(const std::vector<std::string>& args,
                            const std::filesystem::path& profile, const Streams& streams) {
  std::vector<std::string> argStrings{"sheafmill-batch"};
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  std::vector<std::string> envStrings =
      platform::ChildEnvironment({kProfileVariable + profile.string()});
  std::vector<char*> argv = platform::ExecPointers(argStrings);
  std::vector<char*> envp = platform::ExecPointers(envStrings);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (streams.outputToError) {
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
  }
  const std::pair<int, const std::filesystem::path&> files[] = {{STDOUT_FILENO, streams.output},
                                                                {STDERR_FILENO, streams.errors}};
  for (const auto& [stream, file] : files) {
    if (file.empty()) continue;
    posix_spawn_file_actions_addopen(&actions, stream, file.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
  }
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  std::lock_guard lock(mutex_);
  pid_t pid = 0;
  const int error =
      posix_spawn(&pid, "/proc/self/exe", &actions, &attributes, argv.data(), envp.data());
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    throw platform::Error(std::string("cannot start a worker: ") + std::strerror(error));
  }
  pids_.push_back(pid);
  if (interrupted_) ::kill(pid, SIGINT);
}

std::vector<std::pair<size_t, int>> WorkerProcesses::Reap() {
  std::lock_guard lock(mutex_);
  std::vector<std::pair<size_t, int>> ended;
  for (size_t i = 0; i < pids_.size(); ++i) {
    int status = 0;
    if (pids_[i] != 0 && ::waitpid(pids_[i], &status, WNOHANG) == pids_[i]) {
      pids_[i] = 0;
      ended.emplace_back(i, ExitStatus(status));
    }
  }
  return ended;
}

bool WorkerProcesses::Running() const {
  std::lock_guard lock(mutex_);
  return std::any_of(pids_.begin(), pids_.end(), [](pid_t pid) { return pid != 0; });
}

void WorkerProcesses::Interrupt() {
  std::lock_guard lock(mutex_);
  if (interrupted_) return;
  interrupted_ = true;
  for (pid_t pid : pids_) {
    if (pid != 0) ::kill(pid, SIGINT);
  }
}

void WorkerProcesses::Terminate() {
  std::lock_guard lock(mutex_);
  for (pid_t pid : pids_) {
    if (pid != 0) ::kill(pid, SIGTERM);
  }
  for (pid_t& pid : pids_) {
    if (pid != 0) ::waitpid(pid, nullptr, 0);
    pid = 0;
  }
}

}  // namespace batch
