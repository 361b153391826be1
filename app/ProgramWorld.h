#pragma once
// The machine the program runs on, as its user has set it up: the platform of one profile,
// the PDF printer driver serving its printer on the spooler, and the authoring applications
// registered with the automation runtime. The executables build one and hand its platform to
// the program, which reaches the driver and the applications only through the platform's
// services. Kept out of the program's library for that reason.

#include <memory>

#include "platform/Platform.h"
#include "platform/hosts/HostInstance.h"
#include "platform/hosts/OfficeHostOptions.h"

namespace platform::driver {
class PdfDriver;
}

class ProgramWorld {
 public:
  // The applications render with the offices that `makeOffice` makes; by default with
  // LibreOffice when it is installed, and without it no application is registered, as on a
  // machine without them; a LibreOffice serves for `lifetime`. Raises platform::Error when the
  // profile cannot be opened.
  explicit ProgramWorld(
      const platform::PlatformOptions& options, platform::hosts::OfficeFactory makeOffice = {},
      platform::hosts::OfficeLifetime lifetime = platform::hosts::OfficeLifetime::Instance);
  ~ProgramWorld();
  ProgramWorld(const ProgramWorld&) = delete;
  ProgramWorld& operator=(const ProgramWorld&) = delete;

  platform::Platform& Platform() { return platform_; }
  // Whether "Word.Application" and the other applications are registered.
  bool HostsRegistered() const { return hostsRegistered_; }

 private:
  platform::Platform platform_;
  std::unique_ptr<platform::driver::PdfDriver> driver_;
  bool hostsRegistered_ = false;
};
