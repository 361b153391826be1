#include "app/RunSheafmill.h"

#include <exception>
#include <memory>

#include "app/SheafmillUnit.h"
#include "controls/ProcessPrinters.h"

int RunSheafmill(ui::Kit& kit, const PlatformOpener& openPlatform) {
  kit.App().SetTitle("Sheafmill");
  platform::Platform* platform = nullptr;
  try {
    platform = &openPlatform();
  } catch (...) {
    kit.App().ShowException(std::current_exception());
    return 1;
  }
  controls::ProcessPrinters printers(platform->Printing());
  TForm1 form(kit, *platform, printers);
  kit.App().Run(form.Window());
  return 0;
}

int RunSheafmill(ui::Kit& kit, const platform::PlatformOptions& options) {
  std::unique_ptr<platform::Platform> platform;
  return RunSheafmill(kit, [&]() -> platform::Platform& {
    platform = std::make_unique<platform::Platform>(options);
    return *platform;
  });
}
