#include "platform/hosts/OfficeHostOptions.h"

#include <cstdlib>
#include <string>

#include "platform/hosts/DwgReader.h"

namespace platform::hosts {

OfficeHostOptions OfficeHostOptions::Defaults(std::filesystem::path profileFolder) {
  OfficeHostOptions options;
  options.programFolder = SHEAFMILL_LIBREOFFICE_PROGRAM;
  options.profileFolder = std::move(profileFolder);
  options.dwgReaderFolder = DwgReader::DefaultFolder();
  if (const char* limit = std::getenv("SHEAFMILL_OFFICE_TIMEOUT")) {
    char* end = nullptr;
    double seconds = std::strtod(limit, &end);
    if (end != limit && *end == '\0' && seconds > 0) {
      options.documentLimit = std::chrono::milliseconds(static_cast<long long>(seconds * 1000.0));
    }
  }
  return options;
}

}  // namespace platform::hosts
