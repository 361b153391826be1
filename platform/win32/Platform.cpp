// The Windows services of the user who runs the program: the real registry, files, printers,
// automation and shell. Nothing is seeded: Windows keeps the drives and the shell folders.

#include "platform/Platform.h"

#include "platform/Error.h"
#include "platform/win32/ComRuntime.h"
#include "platform/win32/WinApi.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

fs::path ShellFolder(int folder) {
  wchar_t path[MAX_PATH] = {};
  // A negative HRESULT is a failure.
  if (SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path) < 0) return {};
  return fs::path(path);
}

fs::path ExecutableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return fs::path(path.substr(0, length)).parent_path();
    path.resize(path.size() * 2);
  }
}

}  // namespace

Platform::Platform(const PlatformOptions& options) : options_(options) {
  if (options.homeFolder.empty() || options.profileFolder.empty()) {
    throw Error("A platform needs a profile folder and a home folder");
  }
  registry_ = std::make_unique<RegistryStore>(options.profileFolder);
  files_ = std::make_unique<FileSystem>(DriveMap{}, fs::path{});
  printers_ = std::make_unique<Printers>(*registry_);
  automation_ = std::make_unique<win32::ComRuntime>();
  shell_ = std::make_unique<Shell>(*files_, options.programFolder);
  system_ = std::make_unique<System>();
  locks_ = std::make_unique<Locks>(options.profileFolder);
}

Platform::~Platform() = default;

PlatformOptions Platform::UserOptions() {
  const fs::path appData = ShellFolder(CSIDL_APPDATA);
  return PlatformOptions{appData.empty() ? fs::path{} : appData / "Sheafmill",
                         ShellFolder(CSIDL_PROFILE), ExecutableFolder()};
}

}  // namespace platform
