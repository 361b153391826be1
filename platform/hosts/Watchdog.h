#pragma once
// Ends work that takes too long. Calls into the office have no time limit of their own: while
// the watchdog is armed, it runs its action once the limit has passed (the owner kills the
// office, and the waiting call then fails at once). The action runs on the watchdog's thread.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace platform::hosts {

class Watchdog {
 public:
  explicit Watchdog(std::function<void()> onExpiry);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  void Arm(std::chrono::milliseconds limit);
  void Disarm();
  // Whether the action has run since the last Arm.
  bool Expired() const;

 private:
  void Run();

  std::function<void()> onExpiry_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::optional<std::chrono::steady_clock::time_point> deadline_;
  bool expired_ = false;
  bool stopping_ = false;
  std::thread thread_;  // last: it starts when everything it uses is ready
};

// Arms a watchdog for the lifetime of the scope.
class WatchdogScope {
 public:
  WatchdogScope(Watchdog& watchdog, std::chrono::milliseconds limit) : watchdog_(watchdog) {
    watchdog_.Arm(limit);
  }
  ~WatchdogScope() { watchdog_.Disarm(); }
  WatchdogScope(const WatchdogScope&) = delete;
  WatchdogScope& operator=(const WatchdogScope&) = delete;

 private:
  Watchdog& watchdog_;
};

}  // namespace platform::hosts
