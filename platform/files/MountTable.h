#pragma once
// The host's mounted file systems, as /proc/self/mountinfo lists them: which kind of drive a
// folder is on. Network file systems make remote drives, folders under /media and
// /run/media removable ones, everything else is fixed.

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <vector>

namespace platform {

class MountTable {
 public:
  // The mounts of this process; an unreadable table is empty (every folder is fixed).
  static MountTable ReadSystem();
  static MountTable Parse(std::istream& mountinfo);

  // The file system type of the mount that holds `folder` (absolute, symbolic links
  // resolved); empty when no mount holds it.
  std::string FileSystemType(const std::filesystem::path& folder) const;
  // DRIVE_REMOTE, DRIVE_REMOVABLE or DRIVE_FIXED for an existing folder.
  uint32_t DriveType(const std::filesystem::path& folder) const;

 private:
  struct Mount {
    std::filesystem::path point;
    std::string type;
  };
  std::vector<Mount> mounts_;
};

}  // namespace platform
