#pragma once
// The private folder of one office instance: its user profile and its temporary folder, so
// that an office that is killed leaves nothing behind elsewhere. Removed with its contents
// when the instance ends.

#include <filesystem>

namespace platform::hosts::uno {

class InstanceFolder {
 public:
  // A new folder "sheafmill-office-<process id>-XXXXXX" in `parent` (the system's temporary
  // folder when empty). Raises platform::Error when it cannot be made.
  explicit InstanceFolder(const std::filesystem::path& parent);
  ~InstanceFolder();
  InstanceFolder(const InstanceFolder&) = delete;
  InstanceFolder& operator=(const InstanceFolder&) = delete;

  // Removes the folders in `parent` that processes of this user left when they were killed.
  static void RemoveAbandoned(const std::filesystem::path& parent);

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Profile() const { return root_ / "profile"; }  // made by OfficeProfiles
  std::filesystem::path Temp() const { return root_ / "tmp"; }

 private:
  std::filesystem::path root_;
};

}  // namespace platform::hosts::uno
