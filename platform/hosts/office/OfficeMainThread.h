#pragma once
// The office's main thread, lent to this process for as long as documents are open in it.
//
// Calls that arrive over the connection run on worker threads of the office, while its main
// thread goes on with its event loop. Imports post events to that loop, and some of them
// build windows from user-interface definitions that a headless installation does not have
// (Writer's, for web pages and some Word documents); the event loop cannot handle the
// failure and the office aborts. `soffice --convert-to` never meets those events: it opens,
// exports and closes each document on the main thread without returning to the loop in
// between, and closing a document withdraws its events. So does the session: it asks the
// office to call back on its main thread and keeps that call waiting for work. What is
// called from inside the call back runs on the main thread (the connection keeps a calling
// thread's identity), and the event loop waits until the session lets the thread go.

#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

#include <com/sun/star/awt/XCallback.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <cppuhelper/implbase1.hxx>

namespace platform::hosts::uno {

class OfficeMainThread : public cppu::WeakImplHelper1<com::sun::star::awt::XCallback> {
 public:
  // Asks the office to lend its main thread; the first Run waits until it does.
  void Borrow(const com::sun::star::uno::Reference<com::sun::star::uno::XComponentContext>& office);
  // Runs `work` on the main thread, waits for it and rethrows what it throws. `ended` says
  // whether the office has ended: work it has not taken by then fails with a
  // RuntimeException, as a call into a dead office does.
  void Run(const std::function<void()>& work, const std::function<bool()>& ended);
  // Gives the thread back to the office's event loop once the work in hand is done; Run
  // fails from then on.
  void Release();

  // The office's call back, on its main thread: serves Run until Release.
  void SAL_CALL notify(const com::sun::star::uno::Any& data) override;

 private:
  struct Job {
    const std::function<void()>* work = nullptr;
    bool done = false;
    std::exception_ptr failure;
  };

  std::mutex mutex_;
  std::condition_variable changed_;
  std::shared_ptr<Job> waiting_;  // not yet taken by the main thread
  bool released_ = false;
};

}  // namespace platform::hosts::uno
