#include "platform/hosts/office/UnoRuntime.h"

#include <signal.h>

#include <mutex>

#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>

#include "platform/Error.h"
#include "platform/hosts/office/UnoText.h"

namespace css = com::sun::star;

namespace platform::hosts::uno {

css::uno::Reference<css::uno::XComponentContext> LocalContext(
    const std::filesystem::path& programFolder) {
  static std::mutex mutex;
  // Never destroyed: bridges may still use it while the program's statics go away.
  static auto* context = new css::uno::Reference<css::uno::XComponentContext>();
  std::lock_guard lock(mutex);
  if (context->is()) return *context;
  // A connection whose office has just been killed may still be written to: that must fail the
  // call, not end the program. The office's own runtime ignores the signal the same way.
  struct sigaction current {};
  if (::sigaction(SIGPIPE, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
    ::signal(SIGPIPE, SIG_IGN);
  }
  try {
    // The installation's unorc names the base types only; the office's API types lie beside
    // them in types/.
    rtl::Bootstrap::set("URE_MORE_TYPES", "<" + FileUrl(programFolder / "types") + ">*");
    *context = cppu::defaultBootstrap_InitialComponentContext(FileUrl(programFolder / "unorc"));
  } catch (const css::uno::Exception& e) {
    throw Error("The LibreOffice runtime could not be started: " + ToUtf8(e.Message));
  }
  return *context;
}

}  // namespace platform::hosts::uno
