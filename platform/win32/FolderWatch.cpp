// The folder's change notification of Windows (FindFirstChangeNotificationW). It tells that
// some entry came, went or changed, not which one: an unchanged folder answers with no names,
// and the first change makes the watch answer nothing from then on, so that the holder of the
// listing reads the folder again.

#include "platform/files/FolderWatch.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace platform {
namespace {

// Kernel handles fit in 32 bits on every Windows, so the notice handle is kept where the
// other platform keeps its descriptor.
HANDLE HandleOf(int notices) {
  return reinterpret_cast<HANDLE>(static_cast<intptr_t>(notices));
}

}  // namespace

FolderWatch::FolderWatch(const FileSystem& files, std::string path)
    : files_(&files), path_(std::move(path)) {
  const HANDLE notices = FindFirstChangeNotificationW(
      win32::Wide(path_).c_str(), FALSE,
      FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_ATTRIBUTES);
  if (notices == win32::InvalidHandle()) return;
  notices_ = static_cast<int>(reinterpret_cast<intptr_t>(notices));
  intact_ = true;
}

FolderWatch::~FolderWatch() {
  if (notices_ >= 0) FindCloseChangeNotification(HandleOf(notices_));
}

std::optional<std::vector<FindData>> FolderWatch::Changes() {
  if (intact_ && WaitForSingleObject(HandleOf(notices_), 0) == WAIT_TIMEOUT) {
    return std::vector<FindData>{};
  }
  intact_ = false;
  return std::nullopt;
}

}  // namespace platform
