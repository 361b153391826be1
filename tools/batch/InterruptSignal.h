#pragma once
// Ctrl+C for a tool that drives the program. The first interrupt (SIGINT) only raises a flag
// that the tool reads at the program's message pumps, where it is safe to act; a second
// interrupt, SIGTERM or SIGHUP runs a last cleanup and ends the process at once, with exit
// status 128 + the signal's number, as shells report a process that the signal ended. The signal
// handler itself only writes a byte to a pipe; a thread of this class reads it.

#include <atomic>
#include <functional>
#include <thread>

namespace batch {

class InterruptSignal {
 public:
  // Handles the signals from now on. `stopNow` runs on the watching thread before the
  // process ends; it must not touch what the main thread works on. A `quiet` one says nothing
  // on standard error: a worker, whose parent tells the user.
  explicit InterruptSignal(std::function<void()> stopNow, bool quiet = false);
  // Restores the default handling.
  ~InterruptSignal();
  InterruptSignal(const InterruptSignal&) = delete;
  InterruptSignal& operator=(const InterruptSignal&) = delete;

  bool Requested() const { return requested_; }

  static constexpr int kExitStatus = 130;  // 128 + SIGINT, as shells report it
  static constexpr int ExitStatusFor(int signal) { return 128 + signal; }

 private:
  void Watch();

  std::function<void()> stopNow_;
  bool quiet_;
  std::atomic<bool> requested_ = false;
  int pipe_[2] = {-1, -1};
  std::thread watcher_;
};

}  // namespace batch
