#pragma once
// The worker processes of a parallel run: copies of this tool, each on a profile of its own.
// They run in a process group of their own, so that a Ctrl+C at the terminal reaches the
// parent only, which passes it on once: a worker that got it twice would stop at once.

#include <sys/types.h>

#include <filesystem>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace batch {

class WorkerProcesses {
 public:
  WorkerProcesses() = default;
  ~WorkerProcesses() { Terminate(); }
  WorkerProcesses(const WorkerProcesses&) = delete;
  WorkerProcesses& operator=(const WorkerProcesses&) = delete;

  // Where a worker's standard output and error go: this process's own, its output to this
  // process's standard error, or files for this process to pass on.
  struct Streams {
    bool outputToError = false;
    std::filesystem::path output;  // empty: not to a file
    std::filesystem::path errors;  // empty: not to a file
  };

  // Starts this program with `args`, on the profile folder `profile`. Raises platform::Error.
  void Start(const std::vector<std::string>& args, const std::filesystem::path& profile,
             const Streams& streams);
  // The workers that ended since the last call, by their number of start, with their exit
  // status (-1: ended by a signal).
  std::vector<std::pair<size_t, int>> Reap();
  bool Running() const;
  // Asks every running worker, once, to stop after its current document.
  void Interrupt();
  // Ends every running worker at once (as a second Ctrl+C ends it) and waits for it.
  void Terminate();

 private:
  mutable std::mutex mutex_;
  std::vector<pid_t> pids_;  // 0 once collected
  bool interrupted_ = false;
};

}  // namespace batch
