// sheafmill: the window on the user's display and profile. It reads no command line but
// --version, which needs no display.

#include <cstdio>
#include <exception>
#include <memory>
#include <string_view>

#include "app/ProgramWorld.h"
#include "app/RunSheafmill.h"
#include "convert/DriverOwnership.h"
#include "platform/Platform.h"
#include "ui/wx/StartWxKit.h"
#include "ui/wx/WxDisplayLoss.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::puts("sheafmill " SHEAFMILL_VERSION);
    return 0;
  }
  std::unique_ptr<ui::Kit> kit = ui::StartWxKit(argv[0]);
  if (!kit) {
    std::fprintf(stderr, "sheafmill: cannot open the display; is DISPLAY set?\n");
    return 1;
  }
  platform::PlatformOptions options;
  try {
    options = platform::Platform::UserOptions();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "sheafmill: %s\n", error.what());
    return 1;
  }
  // A lost display ends the process at once: the PDF printer's automatic output is switched
  // off as closing would (unless another run owns it); the offices end with the process and
  // the next start removes their temporary files.
  ui::WxDisplayLoss displayLoss([profile = options.profileFolder] {
    platform::RegistryStore store(profile);
    platform::Locks locks(profile);
    DriverOwnership::ResetAtExit(store, locks);
  });
  std::unique_ptr<ProgramWorld> world;
  return RunSheafmill(*kit, [&]() -> platform::Platform& {
    world = std::make_unique<ProgramWorld>(options);
    return world->Platform();
  });
}
