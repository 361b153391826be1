#include "platform/files/UserFolders.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace platform {
namespace {

// The value of `variable` in user-dirs.dirs: a line XDG_DESKTOP_DIR="$HOME/Desktop", where
// the value is either below $HOME or an absolute path.
std::optional<std::filesystem::path> Configured(const std::filesystem::path& file,
                                                const std::string& variable,
                                                const std::filesystem::path& home) {
  std::ifstream in(file);
  const std::string prefix = variable + "=\"";
  for (std::string line; std::getline(in, line);) {
    if (!line.starts_with(prefix) || !line.ends_with("\"")) continue;
    std::string value = line.substr(prefix.size(), line.size() - prefix.size() - 1);
    if (value == "$HOME") return home;
    if (value.starts_with("$HOME/")) return home / value.substr(6);
    if (value.starts_with("/")) return std::filesystem::path(value);
  }
  return std::nullopt;
}

}  // namespace

UserFolders::UserFolders(std::filesystem::path home, std::filesystem::path configFolder)
    : home_(std::move(home)), configFolder_(std::move(configFolder)) {}

std::filesystem::path UserFolders::ConfigFolder(const std::filesystem::path& home) {
  const char* configured = std::getenv("XDG_CONFIG_HOME");
  if (configured != nullptr && std::filesystem::path(configured).is_absolute()) return configured;
  return home / ".config";
}

std::filesystem::path UserFolders::Desktop() const {
  return Folder("XDG_DESKTOP_DIR", "Desktop");
}

std::filesystem::path UserFolders::Documents() const {
  return Folder("XDG_DOCUMENTS_DIR", "Documents");
}

std::filesystem::path UserFolders::Folder(const std::string& variable,
                                          const std::string& fallback) const {
  const auto folder =
      Configured(configFolder_ / "user-dirs.dirs", variable, home_).value_or(home_ / fallback);
  std::error_code error;
  return std::filesystem::is_directory(folder, error) ? folder : home_;
}

}  // namespace platform
