#include "platform/hosts/office/UnoRuntime.h"

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
