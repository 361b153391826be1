#pragma once
// The LibreOffice installed on this machine: where its program is, and its version, which a
// new user profile must carry and which tells prepared profiles of different versions apart.

#include <filesystem>
#include <optional>
#include <string>

namespace platform::hosts {

struct OfficeInstallation {
  std::filesystem::path programFolder;  // holds soffice.bin
  std::string version;                  // "7.4": what a profile records as the last version run
  std::string fullVersion;              // "7.4.7.2"

  std::filesystem::path Executable() const { return programFolder / "soffice.bin"; }

  // The installation in `programFolder`, or nothing when soffice.bin or its version is not
  // there (the version comes from the installation's own configuration).
  static std::optional<OfficeInstallation> Find(const std::filesystem::path& programFolder);
};

}  // namespace platform::hosts
