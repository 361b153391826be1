// Windows' own shell: it opens documents and web addresses with the programs the user chose,
// starts programs, and names and pictures files from the system image list.

#include "platform/shell/Shell.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace platform {
namespace {

using win32::Narrow;
using win32::Wide;

// The wide texts of one request, alive as long as the call that reads them.
struct WideRequest {
  explicit WideRequest(const ShellExecuteInfo& info)
      : verb(Wide(info.verb)),
        file(Wide(info.file)),
        parameters(Wide(info.parameters)),
        directory(Wide(info.directory)) {}
  static const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
  }

  std::wstring verb;
  std::wstring file;
  std::wstring parameters;
  std::wstring directory;
};

// The folder tree names folders by paths that end in "\"; asked with SHGFI_USEFILEATTRIBUTES,
// the shell takes the last name from the text and would keep that "\" in the display name.
std::wstring ShellPath(std::string path) {
  if (path.size() > 3 && path.back() == '\\') path.pop_back();
  return Wide(path);
}

HANDLE ProcessOf(ProcessHandle process) {
  return reinterpret_cast<HANDLE>(process);
}

}  // namespace

Shell::Shell(FileSystem& files, std::filesystem::path programFolder)
    : files_(files), programFolder_(std::move(programFolder)) {}

Shell::~Shell() = default;

bool Shell::ShellExecute(const ShellExecuteInfo& info) {
  const WideRequest request(info);
  // Results above 32 mean success.
  const auto result = reinterpret_cast<intptr_t>(ShellExecuteW(
      nullptr, WideRequest::OrNull(request.verb), request.file.c_str(),
      WideRequest::OrNull(request.parameters), WideRequest::OrNull(request.directory), info.show));
  return result > 32;
}

std::optional<ProcessHandle> Shell::ShellExecuteEx(const ShellExecuteInfo& info) {
  const WideRequest request(info);
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_NOCLOSEPROCESS;
  // Empty texts go as empty strings, not as null pointers; no owner window is given. A program
  // that cannot be started gets the shell's own error box, and then the failure here.
  execute.lpVerb = request.verb.c_str();
  execute.lpFile = request.file.c_str();
  execute.lpParameters = request.parameters.c_str();
  execute.lpDirectory = request.directory.c_str();
  execute.nShow = info.show;
  // A document that an already running program took over has no process of its own to wait
  // for: that counts as not started, since nothing could tell its end.
  if (!ShellExecuteExW(&execute) || execute.hProcess == nullptr) return std::nullopt;
  return reinterpret_cast<ProcessHandle>(execute.hProcess);
}

uint32_t Shell::WaitForSingleObject(ProcessHandle process, uint32_t milliseconds) {
  return ::WaitForSingleObject(ProcessOf(process), milliseconds);
}

std::optional<uint32_t> Shell::GetExitCodeProcess(ProcessHandle process) {
  DWORD code = 0;
  if (!::GetExitCodeProcess(ProcessOf(process), &code)) return std::nullopt;
  return code;
}

void Shell::CloseHandle(ProcessHandle process) {
  ::CloseHandle(ProcessOf(process));
}

ShellFileInfo Shell::GetFileInfo(const std::string& path, uint32_t flags,
                                 uint32_t fileAttributes) const {
  SHFILEINFOW found{};
  const DWORD_PTR result =
      SHGetFileInfoW(ShellPath(path).c_str(), fileAttributes, &found, sizeof found, flags);
  ShellFileInfo info;
  info.ok = result != 0;
  if (!info.ok) return info;
  info.iconIndex = found.iIcon;
  info.displayName = Narrow(found.szDisplayName);
  // With SHGFI_SYSICONINDEX the result is the system image list's handle.
  if ((flags & SHGFI_SYSICONINDEX) != 0) info.imageList = static_cast<intptr_t>(result);
  return info;
}

}  // namespace platform
