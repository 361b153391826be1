#include "platform/hosts/office/OfficeMainThread.h"

#include <chrono>

#include <com/sun/star/awt/AsyncCallback.hpp>
#include <com/sun/star/uno/RuntimeException.hpp>

namespace css = com::sun::star;

namespace platform::hosts::uno {
namespace {

// How often a waiting Run looks whether the office still runs.
constexpr auto kEndCheck = std::chrono::milliseconds(20);

}  // namespace

void OfficeMainThread::Borrow(const css::uno::Reference<css::uno::XComponentContext>& office) {
  css::awt::AsyncCallback::create(office)->addCallback(this, css::uno::Any());
}

void OfficeMainThread::Run(const std::function<void()>& work, const std::function<bool()>& ended) {
  auto job = std::make_shared<Job>();
  job->work = &work;
  std::unique_lock lock(mutex_);
  if (released_) throw css::uno::RuntimeException("The office's main thread has been released");
  waiting_ = job;
  changed_.notify_all();
  // Work the main thread has taken ends either way: a dead office fails its calls.
  while (!job->done) {
    if (!changed_.wait_for(lock, kEndCheck, [&] { return job->done; }) && waiting_ == job &&
        ended()) {
      waiting_.reset();
      throw css::uno::RuntimeException("The office ended before it took the call");
    }
  }
  if (job->failure) std::rethrow_exception(job->failure);
}

void OfficeMainThread::Release() {
  std::lock_guard lock(mutex_);
  released_ = true;
  changed_.notify_all();
}

void SAL_CALL OfficeMainThread::notify(const css::uno::Any&) {
  std::unique_lock lock(mutex_);
  while (true) {
    changed_.wait(lock, [&] { return waiting_ || released_; });
    if (!waiting_) return;
    std::shared_ptr<Job> job = std::move(waiting_);
    lock.unlock();
    try {
      (*job->work)();
    } catch (...) {
      job->failure = std::current_exception();
    }
    lock.lock();
    job->done = true;
    changed_.notify_all();
  }
}

}  // namespace platform::hosts::uno
