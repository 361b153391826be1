#include "platform/shell/ChildProcesses.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "platform/WinTypes.h"
#include "platform/system/ChildEnvironment.h"

namespace platform {
namespace {

class SpawnSettings {
 public:
  SpawnSettings() {
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
  }
  ~SpawnSettings() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
  }
  SpawnSettings(const SpawnSettings&) = delete;
  SpawnSettings& operator=(const SpawnSettings&) = delete;

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
};

uint32_t ExitCodeOf(int status) {
  if (WIFSIGNALED(status)) return 128u + static_cast<uint32_t>(WTERMSIG(status));
  return static_cast<uint32_t>(WEXITSTATUS(status));
}

}  // namespace

ChildProcesses::~ChildProcesses() {
  while (!children_.empty()) Close(children_.begin()->first);
}

std::optional<ProcessHandle> ChildProcesses::Start(const ChildStart& start) {
  std::vector<std::string> argv{start.program};
  argv.insert(argv.end(), start.arguments.begin(), start.arguments.end());
  std::vector<std::string> envp = ChildEnvironment(start.environment);
  auto argPointers = ExecPointers(argv);
  auto envPointers = ExecPointers(envp);

  SpawnSettings settings;
  // Descriptors this process opened without close-on-exec stay with it.
  posix_spawn_file_actions_addclosefrom_np(&settings.actions, 3);
  if (start.directory) {
    posix_spawn_file_actions_addchdir_np(&settings.actions, start.directory->c_str());
  }
  if (start.ownSession) posix_spawnattr_setflags(&settings.attributes, POSIX_SPAWN_SETSID);
  pid_t pid = 0;
  const auto spawn = start.searchPath ? posix_spawnp : posix_spawn;
  if (spawn(&pid, start.program.c_str(), &settings.actions, &settings.attributes,
            argPointers.data(), envPointers.data()) != 0) {
    return std::nullopt;
  }
  children_[nextHandle_] = Child{pid, std::nullopt};
  return nextHandle_++;
}

bool ChildProcesses::Reap(Child& child) {
  if (child.exitCode) return true;
  int status = 0;
  if (waitpid(child.pid, &status, WNOHANG) != child.pid) return false;
  child.exitCode = ExitCodeOf(status);
  return true;
}

uint32_t ChildProcesses::Wait(ProcessHandle handle, uint32_t milliseconds) {
  const auto found = children_.find(handle);
  if (found == children_.end()) return WAIT_FAILED;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  auto pause = std::chrono::milliseconds(1);
  while (!Reap(found->second)) {
    const auto now = std::chrono::steady_clock::now();
    if (milliseconds != INFINITE && now >= deadline) return WAIT_TIMEOUT;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
    std::this_thread::sleep_for(milliseconds == INFINITE ? pause : std::min(pause, left));
    pause = std::min(pause * 2, std::chrono::milliseconds(10));
  }
  return WAIT_OBJECT_0;
}

std::optional<uint32_t> ChildProcesses::ExitCode(ProcessHandle handle) {
  const auto found = children_.find(handle);
  if (found == children_.end()) return std::nullopt;
  return Reap(found->second) ? *found->second.exitCode : STILL_ACTIVE;
}

void ChildProcesses::Close(ProcessHandle handle) {
  const auto found = children_.find(handle);
  if (found == children_.end()) return;
  if (!Reap(found->second)) {
    std::thread([pid = found->second.pid] {
      while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
      }
    }).detach();
  }
  children_.erase(found);
}

}  // namespace platform
