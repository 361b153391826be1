#include "platform/hosts/office/OfficeSession.h"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <sstream>
#include <thread>

#include <rtl/digest.h>
#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/frame/Desktop.hpp>

#include "platform/hosts/OfficeProfiles.h"
#include "platform/hosts/office/UnoRuntime.h"
#include "platform/system/AbandonedFiles.h"

namespace css = com::sun::star;
namespace fs = std::filesystem;

namespace platform::hosts::uno {
namespace {

constexpr auto kStartLimit = std::chrono::seconds(60);
constexpr auto kQuitLimit = std::chrono::seconds(10);
// A new profile's first start may only set it up and end with this code; a second start then
// runs.
constexpr int kRestartExitCode = 81;

constexpr char kPipePrefix[] = "sheafmill-";

std::string NewPipeName() {
  static std::atomic<unsigned> counter{0};
  return kPipePrefix + std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

// Where a pipe named `name` lives while its office listens. The office removes its pipes when
// it ends normally; a killed office leaves them behind.
fs::path PipePath(const std::string& name) {
  return fs::path("/tmp") / ("OSL_PIPE_" + std::to_string(::getuid()) + "_" + name);
}

// The pipe on which an office takes work from later starts on its profile: named after the
// MD5 of the profile's URL in UTF-16, each byte in hex without leading zero.
std::string SingleInstancePipe(const rtl::OUString& profileUrl) {
  sal_uInt8 digest[RTL_DIGEST_LENGTH_MD5];
  rtl_digest_MD5(profileUrl.getStr(), static_cast<sal_uInt32>(profileUrl.getLength()) * 2, digest,
                 RTL_DIGEST_LENGTH_MD5);
  std::ostringstream name;
  name << "SingleOfficeIPC_" << std::hex;
  for (sal_uInt8 byte : digest) name << static_cast<unsigned>(byte);
  return name.str();
}

// "120", "0.3".
std::string Seconds(std::chrono::milliseconds limit) {
  std::ostringstream text;
  text << static_cast<double>(limit.count()) / 1000.0;
  return text.str();
}

}  // namespace

OfficeSession::OfficeSession(const OfficeInstallation& office, const OfficeHostOptions& options)
    : folder_(options.workFolder),
      limit_(options.documentLimit),
      pipeName_(NewPipeName()),
      watchdog_([this] { KillOffice(); }) {
  OfficeProfiles(office, options.profileFolder).Make(folder_.Profile());
  try {
    // The calls that set the connection up have no time limit of their own either.
    WatchdogScope scope(watchdog_, kStartLimit);
    Connect(office);
  } catch (const css::uno::Exception& e) {
    End();
    throw Error("LibreOffice could not be started: " + ToUtf8(e.Message));
  } catch (...) {
    End();
    throw;
  }
}

void OfficeSession::RemoveAbandoned(const fs::path& workFolder) {
  InstanceFolder::RemoveAbandoned(workFolder);
  const fs::path pipe = PipePath(kPipePrefix);
  platform::RemoveAbandoned(pipe.parent_path(), pipe.filename().string());
}

OfficeSession::~OfficeSession() {
  End();
}

void OfficeSession::End() {
  KillOffice();
  Disconnect();
  {
    std::lock_guard lock(processMutex_);
    process_.reset();
  }
  std::error_code error;
  fs::remove(PipePath(pipeName_), error);
  fs::remove(PipePath(SingleInstancePipe(FileUrl(folder_.Profile()))), error);
}

void OfficeSession::Terminate() {
  if (Running()) {
    bool ending = true;
    try {
      WatchdogScope scope(watchdog_, kQuitLimit);
      OnMainThread([&] { ending = desktop_->terminate(); });
    } catch (const css::uno::Exception&) {
      // It may end before it answers; the wait below tells.
    }
    // Its event loop ends once it has the thread back.
    mainThread_->Release();
    // An office that refuses to end (a document vetoes it) is not waited for.
    if (!ending || !process_->WaitFor(kQuitLimit)) KillOffice();
  }
  Disconnect();
}

bool OfficeSession::Idle() {
  try {
    return Call("quitting",
                [&] { return !desktop_->getComponents()->createEnumeration()->hasMoreElements(); });
  } catch (const Error&) {
    return false;
  }
}

void OfficeSession::Launch(const OfficeInstallation& office) {
  auto process = std::make_unique<OfficeProcess>(
      office.Executable(),
      std::vector<std::string>{"-env:UserInstallation=" + ToUtf8(FileUrl(folder_.Profile())),
                               "--headless", "--invisible", "--nologo", "--norestore",
                               "--nodefault", "--nolockcheck",
                               "--accept=pipe,name=" + pipeName_ + ";urp;"},
      std::map<std::string, std::string>{{"TMPDIR", folder_.Temp().string()}});
  std::lock_guard lock(processMutex_);
  process_ = std::move(process);
}

void OfficeSession::Connect(const OfficeInstallation& office) {
  auto local = LocalContext(office.programFolder);
  auto connector = css::connection::Connector::create(local);
  auto deadline = std::chrono::steady_clock::now() + kStartLimit;
  bool restarted = false;
  Launch(office);
  css::uno::Reference<css::connection::XConnection> connection;
  while (!connection.is()) {
    try {
      connection = connector->connect(ToOUString("pipe,name=" + pipeName_));
      break;
    } catch (const css::connection::NoConnectException&) {
      // Not listening yet.
    }
    if (std::optional<int> status = process_->Status()) {
      bool setUpOnly = WIFEXITED(*status) && WEXITSTATUS(*status) == kRestartExitCode;
      if (!setUpOnly || restarted) {
        throw Error("LibreOffice could not be started (" + OfficeProcess::DescribeStatus(*status) +
                    ")");
      }
      restarted = true;
      Launch(office);
    } else if (std::chrono::steady_clock::now() > deadline) {
      throw Error("LibreOffice did not answer within " + Seconds(kStartLimit) + " s of its start");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  auto bridge = css::bridge::BridgeFactory::create(local)->createBridge(rtl::OUString(), "urp",
                                                                        connection, nullptr);
  bridge_.set(bridge, css::uno::UNO_QUERY_THROW);
  remote_.set(bridge->getInstance("StarOffice.ComponentContext"), css::uno::UNO_QUERY_THROW);
  desktop_ = css::frame::Desktop::create(remote_);
  mainThread_ = new OfficeMainThread;
  mainThread_->Borrow(remote_);
}

void OfficeSession::RunOnMainThread(const std::function<void()>& work) {
  mainThread_->Run(work, [this] { return EndStatus().has_value(); });
}

void OfficeSession::KillOffice() {
  std::lock_guard lock(processMutex_);
  if (process_) process_->Kill();
}

void OfficeSession::Disconnect() {
  if (mainThread_.is()) mainThread_->Release();
  desktop_.clear();
  remote_.clear();
  if (bridge_.is()) {
    try {
      bridge_->dispose();
    } catch (const css::uno::Exception&) {
      // Already gone with the office.
    }
    bridge_.clear();
  }
}

std::optional<int> OfficeSession::EndStatus() {
  return process_ ? process_->Status() : std::optional<int>(0);
}

Error OfficeSession::Ended(const std::string& action, int status) const {
  return Error("LibreOffice has ended (" + OfficeProcess::DescribeStatus(status) +
               "), so it cannot go on " + action);
}

Error OfficeSession::Failure(const std::string& action, const std::string& detail,
                             std::chrono::milliseconds grace) {
  if (watchdog_.Expired()) {
    return Error("LibreOffice did not finish " + action + " within " + Seconds(limit_) +
                 " s, so it was stopped");
  }
  if (std::optional<int> status = process_->WaitFor(grace)) {
    return Error("LibreOffice ended unexpectedly (" + OfficeProcess::DescribeStatus(*status) +
                 ") while " + action);
  }
  return Error("LibreOffice failed " + action + ": " + detail);
}

}  // namespace platform::hosts::uno
