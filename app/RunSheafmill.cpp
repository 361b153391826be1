#include "app/RunSheafmill.h"

#include <exception>
#include <memory>

#include "app/SheafmillUnit.h"
#include "controls/ProcessPrinters.h"

int RunSheafmill(ui::Kit& kit, const platform::PlatformOptions& options) {
  kit.App().SetTitle("Sheafmill");
  std::unique_ptr<platform::Platform> platform;
  try {
    platform = std::make_unique<platform::Platform>(options);
  } catch (...) {
    kit.App().ShowException(std::current_exception());
    return 1;
  }
  controls::ProcessPrinters printers(platform->Printing());
  TForm1 form(kit, *platform, printers);
  kit.App().Run(form.Window());
  return 0;
}
