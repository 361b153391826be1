#pragma once
// A child process that cannot outlive its owner: it runs in a process group of its own, so
// that ending it ends whatever it started too, and the system ends it when the thread that
// started it ends (also when the program is killed). Its standard streams go nowhere and it
// inherits no other open file.
//
// Kill may be called from any thread (a watchdog); the other members belong to the owner's
// thread.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/Error.h"

namespace platform::hosts {

class OfficeProcess {
 public:
  // Starts `executable` with `arguments` (argv[1] on) and the environment of this process
  // changed by `environment`, and returns once it runs. Raises platform::Error when it cannot
  // be started.
  OfficeProcess(const std::filesystem::path& executable, const std::vector<std::string>& arguments,
                const std::map<std::string, std::string>& environment = {});
  // Kills the process group and collects the process.
  ~OfficeProcess();
  OfficeProcess(const OfficeProcess&) = delete;
  OfficeProcess& operator=(const OfficeProcess&) = delete;

  pid_t Pid() const { return pid_; }
  // Nothing while it runs; once it has ended, its wait status (as waitpid gives it).
  std::optional<int> Status();
  // Waits up to `limit` for the end; the wait status, or nothing if it still runs.
  std::optional<int> WaitFor(std::chrono::milliseconds limit);
  // Ends the whole process group at once (SIGKILL).
  void Kill();

  // "exit code 81", "signal 9".
  static std::string DescribeStatus(int status);

 private:
  bool Reap(int options);
  static Error StartError(const std::filesystem::path& executable, int error);

  pid_t pid_ = -1;
  std::mutex mutex_;  // orders Kill against the collection of the process
  std::optional<int> status_;
};

}  // namespace platform::hosts
