// A named lock as a lock file of the profile: the holder keeps a byte range of the file locked
// (LockFileEx), which Windows gives up when the holder's handle closes, also when its process
// is killed. The range lies past the holder's name, so that others can still read the name.

#include "platform/system/NamedLock.h"

#include <string_view>

#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace platform {
namespace {

constexpr DWORD kLockOffset = 0x40000000;  // far past any name

// Kernel handles fit in 32 bits on every Windows, so the lock file's handle is kept where
// the other platform keeps its descriptor.
HANDLE HandleOf(int fd) {
  return reinterpret_cast<HANDLE>(static_cast<intptr_t>(fd));
}

HANDLE OpenLockFile(const std::filesystem::path& file, DWORD access) {
  return CreateFileW(file.wstring().c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     access == GENERIC_READ ? OPEN_EXISTING : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

bool LockRange(HANDLE file, DWORD flags) {
  OVERLAPPED at{};
  at.Offset = kLockOffset;
  return LockFileEx(file, flags | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) != FALSE;
}

void UnlockRange(HANDLE file) {
  OVERLAPPED at{};
  at.Offset = kLockOffset;
  UnlockFileEx(file, 0, 1, 0, &at);
}

std::string ReadName(HANDLE file) {
  char text[512];
  DWORD read = 0;
  if (!ReadFile(file, text, sizeof text, &read, nullptr)) return "";
  const std::string_view name(text, read);
  return std::string(name.substr(0, name.find('\n')));
}

std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = text != nullptr ? win32::Narrow(text) : "error " + std::to_string(error);
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  return message;
}

}  // namespace

std::string NamedLock::ThisProcess() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return win32::Narrow(std::filesystem::path(path).stem().wstring()) + " (process " +
         std::to_string(GetCurrentProcessId()) + ")";
}

NamedLock::NamedLock(std::filesystem::path lockFile) : file_(std::move(lockFile)) {}

bool NamedLock::TryAcquire() {
  if (Held()) return true;
  problem_.clear();
  std::error_code ignored;
  std::filesystem::create_directories(file_.parent_path(), ignored);
  const HANDLE file = OpenLockFile(file_, GENERIC_READ | GENERIC_WRITE);
  if (file == win32::InvalidHandle()) {
    problem_ =
        "Cannot open \"" + win32::Narrow(file_.wstring()) + "\": " + SystemMessage(GetLastError());
    return false;
  }
  if (!LockRange(file, LOCKFILE_EXCLUSIVE_LOCK)) {
    if (GetLastError() != ERROR_LOCK_VIOLATION) {
      problem_ = "Cannot lock \"" + win32::Narrow(file_.wstring()) +
                 "\": " + SystemMessage(GetLastError());
    }
    ::CloseHandle(file);
    return false;
  }
  // The name of a holder that has gone stays in the file; the lock itself says whether it
  // is held.
  const std::string text = ThisProcess();
  DWORD written = 0;
  if (SetEndOfFile(file))
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  fd_ = static_cast<int>(reinterpret_cast<intptr_t>(file));
  return true;
}

void NamedLock::Release() {
  if (!Held()) return;
  ::CloseHandle(HandleOf(fd_));
  fd_ = -1;
}

std::string NamedLock::Holder() const {
  if (Held()) return ThisProcess();
  const HANDLE file = OpenLockFile(file_, GENERIC_READ);
  if (file == win32::InvalidHandle()) return "";
  const bool free = LockRange(file, 0);
  if (free) UnlockRange(file);
  const std::string name = free ? "" : ReadName(file);
  ::CloseHandle(file);
  if (free) return "";
  return name.empty() ? "another program" : name;
}

}  // namespace platform
