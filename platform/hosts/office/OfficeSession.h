#pragma once
// One running LibreOffice: its process in a folder of its own, the connection to it, and the
// watchdog over the calls made to it. The application object and each of its documents share
// the session; the process ends when the application quits or when the last of them lets go.
//
// Every call into the office goes through Call: it runs on the office's main thread (see
// OfficeMainThread), and it fails, never hangs, when the office takes longer than the
// document limit (the watchdog kills it), crashes or is killed.

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/uno/RuntimeException.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <rtl/ref.hxx>

#include "platform/Error.h"
#include "platform/hosts/OfficeHostOptions.h"
#include "platform/hosts/OfficeInstallation.h"
#include "platform/hosts/OfficeProcess.h"
#include "platform/hosts/Watchdog.h"
#include "platform/hosts/office/InstanceFolder.h"
#include "platform/hosts/office/OfficeMainThread.h"
#include "platform/hosts/office/UnoText.h"

namespace platform::hosts::uno {

class OfficeSession {
 public:
  // Starts the office and connects to it. Raises platform::Error when it cannot.
  OfficeSession(const OfficeInstallation& office, const OfficeHostOptions& options);
  // Kills the office if it still runs and removes its folder.
  ~OfficeSession();
  OfficeSession(const OfficeSession&) = delete;
  OfficeSession& operator=(const OfficeSession&) = delete;

  // Removes what offices started by killed processes of this user left: their folders in
  // `workFolder` (as OfficeHostOptions gives it) and their pipes.
  static void RemoveAbandoned(const std::filesystem::path& workFolder);

  // Runs `work` (calls into the office) under the watchdog. `action` says what is being done
  // for messages ("opening \"C:\\A.DOC\""). Raises platform::Error when the office has ended
  // or ends, takes too long, or raises an error of its own.
  template <typename Work>
  auto Call(const std::string& action, Work&& work) -> decltype(work()) {
    if (std::optional<int> status = EndStatus()) throw Ended(action, *status);
    try {
      WatchdogScope scope(watchdog_, limit_);
      return OnMainThread(std::forward<Work>(work));
    } catch (const com::sun::star::uno::RuntimeException& e) {
      // The connection breaks as the office dies; the process is collected a moment later.
      throw Failure(action, ToUtf8(e.Message), std::chrono::seconds(1));
    } catch (const com::sun::star::uno::Exception& e) {
      throw Failure(action, ToUtf8(e.Message), std::chrono::milliseconds(0));
    }
  }

  bool Running() { return !EndStatus(); }
  // Whether the office runs with no document open, free to serve another application.
  bool Idle();
  // Asks the office to end, and kills it when it does not end soon.
  void Terminate();

  const com::sun::star::uno::Reference<com::sun::star::frame::XDesktop2>& Desktop() const {
    return desktop_;
  }
  // The instance's private folder.
  const InstanceFolder& Folder() const { return folder_; }
  // The office's own component context, to create its services.
  const com::sun::star::uno::Reference<com::sun::star::uno::XComponentContext>& Context() const {
    return remote_;
  }

 private:
  template <typename Work>
  auto OnMainThread(Work&& work) -> decltype(work()) {
    using Result = decltype(work());
    if constexpr (std::is_void_v<Result>) {
      RunOnMainThread(work);
    } else {
      std::optional<Result> result;
      RunOnMainThread([&] { result.emplace(work()); });
      return std::move(*result);
    }
  }
  void RunOnMainThread(const std::function<void()>& work);
  void Launch(const OfficeInstallation& office);
  void Connect(const OfficeInstallation& office);
  void KillOffice();
  void Disconnect();
  // Kills the office, drops the connection and removes what the office leaves behind.
  void End();
  std::optional<int> EndStatus();
  Error Ended(const std::string& action, int status) const;
  Error Failure(const std::string& action, const std::string& detail,
                std::chrono::milliseconds grace);

  InstanceFolder folder_;
  std::chrono::milliseconds limit_;
  std::string pipeName_;
  std::mutex processMutex_;  // the watchdog kills from its own thread
  std::unique_ptr<OfficeProcess> process_;
  Watchdog watchdog_;
  com::sun::star::uno::Reference<com::sun::star::lang::XComponent> bridge_;
  com::sun::star::uno::Reference<com::sun::star::uno::XComponentContext> remote_;
  com::sun::star::uno::Reference<com::sun::star::frame::XDesktop2> desktop_;
  rtl::Reference<OfficeMainThread> mainThread_;
};

}  // namespace platform::hosts::uno
