// sheafmill.exe: the window on the user's own Windows machine, with its registry, printers
// and authoring applications.

#include <memory>

#include "app/RunSheafmill.h"
#include "platform/Platform.h"
#include "ui/win32/StartWin32Kit.h"

int main() {
  std::unique_ptr<ui::Kit> kit = ui::StartWin32Kit();
  std::unique_ptr<platform::Platform> platform;
  return RunSheafmill(*kit, [&]() -> platform::Platform& {
    platform = std::make_unique<platform::Platform>(platform::Platform::UserOptions());
    return *platform;
  });
}
