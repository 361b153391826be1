#include "platform/hosts/Watchdog.h"

namespace platform::hosts {

Watchdog::Watchdog(std::function<void()> onExpiry)
    : onExpiry_(std::move(onExpiry)), thread_([this] { Run(); }) {}

Watchdog::~Watchdog() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void Watchdog::Arm(std::chrono::milliseconds limit) {
  {
    std::lock_guard lock(mutex_);
    deadline_ = std::chrono::steady_clock::now() + limit;
    expired_ = false;
  }
  changed_.notify_all();
}

void Watchdog::Disarm() {
  {
    std::lock_guard lock(mutex_);
    deadline_.reset();
  }
  changed_.notify_all();
}

bool Watchdog::Expired() const {
  std::lock_guard lock(mutex_);
  return expired_;
}

void Watchdog::Run() {
  std::unique_lock lock(mutex_);
  while (!stopping_) {
    if (!deadline_) {
      changed_.wait(lock);
    } else if (changed_.wait_until(lock, *deadline_) == std::cv_status::timeout && deadline_ &&
               std::chrono::steady_clock::now() >= *deadline_) {
      deadline_.reset();
      expired_ = true;
      // The owner may be waiting for the lock in Disarm while its call is being ended.
      lock.unlock();
      onExpiry_();
      lock.lock();
    }
  }
}

}  // namespace platform::hosts
