#include "platform/files/MountTable.h"

#include <array>
#include <fstream>
#include <sstream>
#include <string_view>

#include "platform/WinTypes.h"

namespace platform {
namespace {

constexpr std::array<std::string_view, 17> kNetworkTypes = {
    "nfs",         "nfs4",       "cifs",  "smb",        "smb2",
    "smb3",        "smbfs",      "ncpfs", "afs",        "coda",
    "ceph",        "glusterfs",  "davfs", "fuse.sshfs", "fuse.glusterfs",
    "fuse.davfs2", "fuse.rclone"};

bool IsOctal(const std::string& digits) {
  return digits.find_first_not_of("01234567") == std::string::npos;
}

// mountinfo writes blanks, tabs, newlines and backslashes in paths as octal escapes.
std::string Unescape(const std::string& field) {
  std::string text;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field.substr(i + 1, 3))) {
      text += static_cast<char>(std::stoi(field.substr(i + 1, 3), nullptr, 8));
      i += 3;
    } else {
      text += field[i];
    }
  }
  return text;
}

bool IsBelow(const std::filesystem::path& folder, const std::filesystem::path& point) {
  auto f = folder.begin();
  for (auto p = point.begin(); p != point.end(); ++p, ++f) {
    if (p->empty()) continue;  // the trailing separator of "/media/"
    if (f == folder.end() || *f != *p) return false;
  }
  return true;
}

}  // namespace

MountTable MountTable::ReadSystem() {
  std::ifstream in("/proc/self/mountinfo");
  return Parse(in);
}

// A line: "36 35 98:0 /root /mount/point options [optional fields] - type source options".
MountTable MountTable::Parse(std::istream& mountinfo) {
  MountTable table;
  std::string line;
  while (std::getline(mountinfo, line)) {
    std::istringstream fields(line);
    std::string id, parent, device, root, point, field;
    fields >> id >> parent >> device >> root >> point;
    while (fields >> field && field != "-") {
    }
    std::string type;
    if (fields >> type && !point.empty()) table.mounts_.push_back({Unescape(point), type});
  }
  return table;
}

std::string MountTable::FileSystemType(const std::filesystem::path& folder) const {
  const Mount* best = nullptr;
  size_t bestDepth = 0;
  for (const auto& mount : mounts_) {
    const auto depth = static_cast<size_t>(std::distance(mount.point.begin(), mount.point.end()));
    // Later lines mount over earlier ones at the same point.
    if (IsBelow(folder, mount.point) && (best == nullptr || depth >= bestDepth)) {
      best = &mount;
      bestDepth = depth;
    }
  }
  return best ? best->type : std::string();
}

uint32_t MountTable::DriveType(const std::filesystem::path& folder) const {
  const std::string type = FileSystemType(folder);
  for (auto network : kNetworkTypes) {
    if (type == network) return DRIVE_REMOTE;
  }
  if (IsBelow(folder, "/media") || IsBelow(folder, "/run/media")) return DRIVE_REMOVABLE;
  return DRIVE_FIXED;
}

}  // namespace platform
