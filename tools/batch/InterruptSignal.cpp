#include "tools/batch/InterruptSignal.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace batch {
namespace {

// A lost terminal (SIGHUP) and a request to end (SIGTERM) stop at once, as a second Ctrl+C.
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The pipe's writing end, for the handler; -1 while no InterruptSignal exists.
std::atomic<int> writeEnd = -1;

void OnSignal(int signal) {
  const int saved = errno;
  const char byte = static_cast<char>(signal);
  const int fd = writeEnd.load();
  if (fd >= 0) {
    // A full pipe means that plenty of interrupts are waiting already.
    [[maybe_unused]] ssize_t written = ::write(fd, &byte, 1);
  }
  errno = saved;
}

void Handle(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  // Interrupted system calls of the program (a read from the office) go on.
  action.sa_flags = SA_RESTART;
  ::sigaction(signal, &action, nullptr);
}

}  // namespace

InterruptSignal::InterruptSignal(std::function<void()> stopNow, bool quiet)
    : stopNow_(std::move(stopNow)), quiet_(quiet) {
  if (::pipe2(pipe_, O_CLOEXEC) != 0) throw std::runtime_error("cannot create a pipe");
  writeEnd = pipe_[1];
  watcher_ = std::thread([this] { Watch(); });
  for (int signal : kStopSignals) Handle(signal, OnSignal);
}

InterruptSignal::~InterruptSignal() {
  for (int signal : kStopSignals) Handle(signal, SIG_DFL);
  writeEnd = -1;
  ::close(pipe_[1]);  // the watcher reads the end of the pipe and returns
  watcher_.join();
  ::close(pipe_[0]);
}

void InterruptSignal::Watch() {
  char byte = 0;
  for (;;) {
    const ssize_t got = ::read(pipe_[0], &byte, 1);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return;
    if (byte == SIGINT && !requested_.exchange(true)) {
      if (!quiet_) {
        std::fputs("\nStopping after the current file; press Ctrl+C again to stop at once.\n",
                   stderr);
      }
      continue;
    }
    if (stopNow_) stopNow_();
    if (!quiet_) std::fputs("Stopped.\n", stderr);
    std::_Exit(ExitStatusFor(byte));
  }
}

}  // namespace batch
