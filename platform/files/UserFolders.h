#pragma once
// The user's Desktop and documents folders on this desktop, as the XDG user-dirs file
// names them ($XDG_CONFIG_HOME/user-dirs.dirs, else ~/.config/user-dirs.dirs), else
// ~/Desktop and ~/Documents; the home folder itself when the folder does not exist.

#include <filesystem>

namespace platform {

class UserFolders {
 public:
  // `configFolder`: the folder that holds user-dirs.dirs.
  UserFolders(std::filesystem::path home, std::filesystem::path configFolder);

  // The configuration folder of the current user: $XDG_CONFIG_HOME, else home/.config.
  static std::filesystem::path ConfigFolder(const std::filesystem::path& home);

  std::filesystem::path Desktop() const;
  std::filesystem::path Documents() const;

 private:
  std::filesystem::path Folder(const std::string& variable, const std::string& fallback) const;

  std::filesystem::path home_;
  std::filesystem::path configFolder_;
};

}  // namespace platform
