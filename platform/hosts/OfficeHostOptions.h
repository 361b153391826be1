#pragma once
// How the office hosts find and run LibreOffice.

#include <chrono>
#include <filesystem>

namespace platform::hosts {

// How long one LibreOffice process serves: one application instance, which ends it at Quit,
// or every instance that starts after another has quit, until the classes are registered anew
// or the automation runtime ends.
enum class OfficeLifetime { Instance, Process };

struct OfficeHostOptions {
  // LibreOffice's program folder (soffice.bin); by default the one the build found.
  std::filesystem::path programFolder;
  // Where a set-up user profile is kept to be copied for each instance; empty: none is kept,
  // and every instance sets its profile up (about 0.25 s more).
  std::filesystem::path profileFolder;
  // Where instances keep their profile, temporary files and spool files while they run;
  // empty: the system's temporary folder.
  std::filesystem::path workFolder;
  // The longest an office may take over one step of one document (opening, printing,
  // closing) before it is stopped and the call fails.
  std::chrono::milliseconds documentLimit = std::chrono::seconds(120);
  // Where the CAD host's DWG reader is (DwgReader); also bound by documentLimit.
  std::filesystem::path dwgReaderFolder;
  OfficeLifetime lifetime = OfficeLifetime::Instance;

  // The build's program folder, the given profile folder, the limit from
  // SHEAFMILL_OFFICE_TIMEOUT (seconds) when that is set to a positive number, and the DWG
  // reader's default folder.
  static OfficeHostOptions Defaults(std::filesystem::path profileFolder);
};

}  // namespace platform::hosts
