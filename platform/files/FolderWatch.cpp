#include "platform/files/FolderWatch.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "platform/WinTypes.h"
#include "platform/files/FileSystem.h"
#include "platform/files/FolderSearch.h"
#include "platform/files/ReservedCharacters.h"

namespace platform {
namespace {

constexpr uint32_t kNotices = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB |
                              IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
// After any of these the notices no longer tell what the folder holds.
constexpr uint32_t kLostTrack =
    IN_Q_OVERFLOW | IN_IGNORED | IN_UNMOUNT | IN_DELETE_SELF | IN_MOVE_SELF;

// File systems on which every change is made by this machine's kernel, which sends a notice
// of it; the changes another machine makes to a network or shared folder send none.
bool IsLocalFileSystem(int folder) {
  struct statfs volume {};
  if (fstatfs(folder, &volume) != 0) return false;
  switch (static_cast<uint32_t>(volume.f_type)) {
    case EXT4_SUPER_MAGIC:
    case TMPFS_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case XFS_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
    case OVERLAYFS_SUPER_MAGIC:
    case RAMFS_MAGIC:
    case MSDOS_SUPER_MAGIC:
    case EXFAT_SUPER_MAGIC:
      return true;
    default:
      return false;
  }
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

FolderWatch::FolderWatch(const FileSystem& files, std::string path)
    : files_(&files), path_(std::move(path)) {
  if (const auto host = files.ToHost(path_)) Start(*host);
}

FolderWatch::FolderWatch(std::filesystem::path host) {
  Start(host);
}

FolderWatch::~FolderWatch() {
  if (notices_ >= 0) close(notices_);
}

// The folder is examined before its notices start: if another folder takes its path in
// between, the first answer finds out.
void FolderWatch::Start(const std::filesystem::path& host) {
  host_ = host;
  const Descriptor folder(open(host_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  struct stat status {};
  if (folder.Get() < 0 || fstat(folder.Get(), &status) != 0 || !IsLocalFileSystem(folder.Get())) {
    return;
  }
  device_ = status.st_dev;
  inode_ = status.st_ino;
  notices_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (notices_ < 0 || inotify_add_watch(notices_, host_.c_str(), kNotices) < 0) return;
  NoteLinks(folder.Get());
  intact_ = true;
}

void FolderWatch::NoteLinks(int folder) {
  DIR* entries = fdopendir(dup(folder));
  if (entries == nullptr) return;
  while (const dirent* entry = readdir(entries)) {
    struct stat status {};
    const bool link = entry->d_type == DT_LNK ||
                      (entry->d_type == DT_UNKNOWN &&
                       fstatat(folder, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
                       S_ISLNK(status.st_mode));
    if (link) links_.insert(entry->d_name);
  }
  closedir(entries);
}

std::optional<std::vector<FindData>> FolderWatch::Changes() {
  std::set<std::string> names = links_;
  if (!intact_ || !StillTheFolder() || !ReadNotices(names)) return Lost();
  std::vector<FindData> changes;
  changes.reserve(names.size());
  for (const std::string& name : names) changes.push_back(Examine(name));
  return changes;
}

// The path may lead elsewhere now without any notice here: a folder on the way was renamed,
// or a folder spelt exactly as the path came next to the one found ignoring letter case.
bool FolderWatch::StillTheFolder() const {
  struct stat status {};
  return (files_ == nullptr || files_->ToHost(path_) == host_) &&
         stat(host_.c_str(), &status) == 0 && status.st_dev == device_ && status.st_ino == inode_;
}

bool FolderWatch::ReadNotices(std::set<std::string>& names) {
  alignas(inotify_event) std::array<char, 16384> buffer{};
  for (;;) {
    const ssize_t length = read(notices_, buffer.data(), buffer.size());
    if (length < 0) return errno == EAGAIN;
    for (ssize_t at = 0; at < length;) {
      const auto* notice = reinterpret_cast<const inotify_event*>(buffer.data() + at);
      // A notice without a name is about the folder itself: its permissions decide what a
      // read of it finds.
      if ((notice->mask & kLostTrack) != 0 || notice->len == 0) return false;
      names.insert(notice->name);
      at += static_cast<ssize_t>(sizeof(inotify_event) + notice->len);
    }
  }
}

FindData FolderWatch::Examine(const std::string& hostName) {
  const std::filesystem::path file = host_ / hostName;
  struct stat status {};
  if (lstat(file.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
    links_.insert(hostName);
  } else {
    links_.erase(hostName);
  }
  return FindData{FolderSearch::AttributesOf(file, hostName), ToWindowsName(hostName)};
}

std::optional<std::vector<FindData>> FolderWatch::Lost() {
  intact_ = false;
  return std::nullopt;
}

}  // namespace platform
