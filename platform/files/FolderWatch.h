#pragma once
// Notices of the changes to the entries of one folder (ReadDirectoryChangesW on Windows,
// inotify here), so that whoever holds a listing of the folder can bring it up to date name by
// name instead of reading the whole folder again. The notices count only where they tell every
// change: on a file system of this machine (another machine's changes to a network folder send
// none), and as long as the folder's path still leads to the folder watched.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/files/FindData.h"

namespace platform {

class FileSystem;

class FolderWatch {
 public:
  // Watches the folder that the absolute drive path `path` names in `files`. A folder that
  // cannot be watched gives a watch whose Changes() answer nothing.
  FolderWatch(const FileSystem& files, std::string path);
  // Watches the host folder itself, by whatever path it is reached.
  explicit FolderWatch(std::filesystem::path host);
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  const std::string& Path() const { return path_; }

  // The entries whose names came, went or changed their attributes since the watch began or
  // last answered, each with its name as the Windows view spells it and its attributes now
  // (INVALID_FILE_ATTRIBUTES for a name that is gone). A name may come although nothing
  // changed; the name of a symbolic link comes every time, since nothing tells when its target
  // comes or goes. Nothing when the notices cannot tell, then and from then on: the watch
  // never started, notices were lost, or the folder itself changed, moved or went.
  std::optional<std::vector<FindData>> Changes();

 private:
  void Start(const std::filesystem::path& host);
  void NoteLinks(int folder);
  bool StillTheFolder() const;
  bool ReadNotices(std::set<std::string>& names);
  FindData Examine(const std::string& hostName);
  std::optional<std::vector<FindData>> Lost();

  const FileSystem* files_ = nullptr;  // the drive path is followed only with its file system
  std::string path_;
  std::filesystem::path host_;
  uint64_t device_ = 0;
  uint64_t inode_ = 0;
  int notices_ = -1;
  bool intact_ = false;
  std::set<std::string> links_;  // host names
  // Where Windows writes the notices while the watch waits for them, with the read's state.
  std::vector<uint8_t> reading_;
};

}  // namespace platform
