// The folder's change notices of Windows (ReadDirectoryChangesW), read without waiting: one
// read is always under way into the watch's buffer, and Changes() collects what the reads have
// brought since it last answered. A read that overflowed, failed or ended with the folder, or a
// path that leads to another folder now, makes the watch answer nothing from then on.

#include "platform/files/FolderWatch.h"

#include <cstring>

#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace platform {
namespace {

using win32::Narrow;
using win32::Wide;

constexpr DWORD kNoticeBytes = 64 * 1024;
constexpr size_t kBufferAt = (sizeof(OVERLAPPED) + 7) / 8 * 8;  // DWORD-aligned notices
constexpr DWORD kNotices =
    FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_ATTRIBUTES;

// Kernel handles fit in 32 bits on every Windows, so the folder's handle is kept where the
// other platform keeps its descriptor.
HANDLE HandleOf(int notices) {
  return reinterpret_cast<HANDLE>(static_cast<intptr_t>(notices));
}

// The folder's volume and file index: what tells it from another folder reached by its path.
std::optional<std::pair<uint64_t, uint64_t>> IdentityOf(HANDLE folder) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(folder, &info)) return {};
  return std::make_pair(uint64_t{info.dwVolumeSerialNumber},
                        (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow);
}

HANDLE OpenFolder(const std::string& path, DWORD flags) {
  return CreateFileW(Wide(path).c_str(), FILE_LIST_DIRECTORY,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
}

// The names of one buffer of FILE_NOTIFY_INFORMATION records.
void ReadNames(const uint8_t* notices, std::set<std::string>& names) {
  for (;;) {
    FILE_NOTIFY_INFORMATION notice;
    std::memcpy(&notice, notices, sizeof notice);
    std::wstring name(notice.FileNameLength / sizeof(wchar_t), L'\0');
    std::memcpy(name.data(), notices + offsetof(FILE_NOTIFY_INFORMATION, FileName),
                notice.FileNameLength);
    names.insert(Narrow(name));
    if (notice.NextEntryOffset == 0) return;
    notices += notice.NextEntryOffset;
  }
}

}  // namespace

FolderWatch::FolderWatch(const FileSystem& files, std::string path)
    : files_(&files), path_(std::move(path)) {
  const HANDLE folder = OpenFolder(path_, FILE_FLAG_OVERLAPPED);
  if (folder == win32::InvalidHandle()) return;
  notices_ = static_cast<int>(reinterpret_cast<intptr_t>(folder));
  const auto identity = IdentityOf(folder);
  if (!identity) return;
  std::tie(device_, inode_) = *identity;
  reading_.assign(kBufferAt + kNoticeBytes, 0);
  std::set<std::string> none;
  intact_ = ReadNotices(none);
}

FolderWatch::~FolderWatch() {
  if (notices_ < 0) return;
  const HANDLE folder = HandleOf(notices_);
  // The buffer may go only once Windows writes no more into it.
  if (CancelIo(folder) && !reading_.empty()) {
    DWORD ignored = 0;
    GetOverlappedResult(folder, reinterpret_cast<OVERLAPPED*>(reading_.data()), &ignored, TRUE);
  }
  CloseHandle(folder);
}

// Collects the names of every read that has ended and starts the next one; false when the
// notices cannot tell any more. Before the first read, `names` only receives nothing.
bool FolderWatch::ReadNotices(std::set<std::string>& names) {
  const HANDLE folder = HandleOf(notices_);
  auto* reading = reinterpret_cast<OVERLAPPED*>(reading_.data());
  uint8_t* buffer = reading_.data() + kBufferAt;
  for (bool started = intact_;; started = true) {
    if (started) {
      DWORD bytes = 0;
      if (!GetOverlappedResult(folder, reading, &bytes, FALSE)) {
        return GetLastError() == ERROR_IO_INCOMPLETE;
      }
      // No bytes: more changes came than the buffer holds, and their names are lost.
      if (bytes == 0) return false;
      ReadNames(buffer, names);
    }
    *reading = OVERLAPPED{};
    if (!ReadDirectoryChangesW(folder, buffer, kNoticeBytes, FALSE, kNotices, nullptr, reading,
                               nullptr)) {
      return false;
    }
  }
}

bool FolderWatch::StillTheFolder() const {
  const HANDLE folder = OpenFolder(path_, 0);
  if (folder == win32::InvalidHandle()) return false;
  const auto identity = IdentityOf(folder);
  CloseHandle(folder);
  return identity == std::make_pair(device_, inode_);
}

FindData FolderWatch::Examine(const std::string& hostName) {
  const std::string path = path_ + (path_.ends_with('\\') ? "" : "\\") + hostName;
  return FindData{GetFileAttributesW(Wide(path).c_str()), hostName};
}

std::optional<std::vector<FindData>> FolderWatch::Lost() {
  intact_ = false;
  return std::nullopt;
}

std::optional<std::vector<FindData>> FolderWatch::Changes() {
  std::set<std::string> names;
  if (!intact_ || !ReadNotices(names) || !StillTheFolder()) return Lost();
  std::vector<FindData> changes;
  for (const std::string& name : names) changes.push_back(Examine(name));
  return changes;
}

}  // namespace platform
