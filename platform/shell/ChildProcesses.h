#pragma once
// The programs that the shell has started, each behind a process handle: start one from an
// argument list (never through a command shell), wait for it with a timeout, read its exit
// code, close its handle. Every child is reaped: a handle closed while its program still
// runs hands the program to a waiting thread, so no child is ever left a zombie.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

using ProcessHandle = intptr_t;

struct ChildStart {
  std::string program;  // an absolute path, or a bare name searched on PATH when `searchPath`
  bool searchPath = false;
  std::vector<std::string> arguments;  // without the program
  std::optional<std::filesystem::path> directory;
  std::vector<std::string> environment;  // "NAME=value", on top of this process's own
  bool ownSession = false;               // leave the terminal's session (desktop openers)
};

class ChildProcesses {
 public:
  ChildProcesses() = default;
  ~ChildProcesses();  // closes every handle still open
  ChildProcesses(const ChildProcesses&) = delete;
  ChildProcesses& operator=(const ChildProcesses&) = delete;

  // The started child, or nothing when it could not be started.
  std::optional<ProcessHandle> Start(const ChildStart& start);
  // WAIT_OBJECT_0 when the child has ended, WAIT_TIMEOUT when it still runs after
  // `milliseconds` (INFINITE waits for good), WAIT_FAILED for an unknown handle.
  uint32_t Wait(ProcessHandle handle, uint32_t milliseconds);
  // The exit code; STILL_ACTIVE while the child runs; 128 + the signal number for a child
  // ended by a signal; nothing for an unknown handle.
  std::optional<uint32_t> ExitCode(ProcessHandle handle);
  void Close(ProcessHandle handle);

 private:
  struct Child {
    pid_t pid = 0;
    std::optional<uint32_t> exitCode;
  };
  static bool Reap(Child& child);  // true once the child has ended (without blocking)

  std::map<ProcessHandle, Child> children_;
  ProcessHandle nextHandle_ = 0x1000;
};

}  // namespace platform
