#include "platform/Platform.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/Error.h"
#include "platform/automation/AutomationRuntime.h"
#include "platform/files/UserFolders.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// The drive letters of this platform: value "C:" = host folder.
constexpr char kDrivesKey[] = "Software\\Sheafmill\\Platform\\Drives";
constexpr char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

bool IsDriveName(const std::string& name) {
  return name.size() == 2 && name[1] == ':' &&
         ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

// The drives kept in the profile; a profile without them gets C: = the home folder and
// Z: = the host's root. A damaged entry stops the start with a message that names it, so
// that no drive silently goes missing.
DriveMap LoadDrives(RegistryStore& store, const fs::path& home) {
  if (!store.KeyExists(kDrivesKey)) {
    store.CreateKey(kDrivesKey);
    store.SetValue(kDrivesKey, "C:", RegValue::String(home.string()));
    store.SetValue(kDrivesKey, "Z:", RegValue::String("/"));
  }
  DriveMap drives;
  for (const auto& name : store.ValueNames(kDrivesKey)) {
    const auto value = store.GetValue(kDrivesKey, name);
    const bool valid = IsDriveName(name) && value && value->type == RegType::Sz &&
                       fs::path(value->text).is_absolute();
    if (!valid) {
      throw Error("The drive \"" + name + "\" in HKEY_CURRENT_USER\\" + kDrivesKey + " of " +
                  store.File().string() + " must be a drive letter with an absolute host folder");
    }
    drives[name[0]] = value->text;
  }
  return drives;
}

// On the first start of a profile: where the user's Desktop and documents are, as drive
// paths.
void SeedShellFolders(RegistryStore& store, const FileSystem& files, const fs::path& home) {
  if (store.KeyExists(kShellFoldersKey)) return;
  store.CreateKey(kShellFoldersKey);
  const UserFolders folders(home, UserFolders::ConfigFolder(home));
  const std::pair<const char*, fs::path> seeds[] = {{"Desktop", folders.Desktop()},
                                                    {"Personal", folders.Documents()}};
  for (const auto& [name, host] : seeds) {
    if (const auto path = files.ToWindows(host)) {
      store.SetValue(kShellFoldersKey, name, RegValue::String(*path));
    }
  }
}

fs::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  const passwd* user = getpwuid(getuid());
  return user != nullptr ? fs::path(user->pw_dir) : fs::path("/");
}

}  // namespace

Platform::Platform(const PlatformOptions& options) : options_(options) {
  if (options.homeFolder.empty() || options.profileFolder.empty()) {
    throw Error("A platform needs a profile folder and a home folder");
  }
  registry_ = std::make_unique<RegistryStore>(options.profileFolder);
  files_ = std::make_unique<FileSystem>(LoadDrives(*registry_, options.homeFolder),
                                        options.profileFolder / "windows");
  SeedShellFolders(*registry_, *files_, options.homeFolder);
  printers_ = std::make_unique<Printers>(*registry_);
  spooler_ = std::make_unique<Spooler>();
  automation_ = std::make_unique<AutomationRuntime>();
  shell_ = std::make_unique<Shell>(*files_, options.programFolder);
  // The project's programs (the printing preferences, ...) work on the same profile.
  shell_->SetChildEnvironment("SHEAFMILL_PROFILE", options.profileFolder.string());
  system_ = std::make_unique<System>();
  locks_ = std::make_unique<Locks>(options.profileFolder);
}

Platform::~Platform() = default;

PlatformOptions Platform::UserOptions() {
  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  return PlatformOptions{RegistryStore::UserFolder(), HomeFolder(),
                         executable.parent_path() / "programs"};
}

Spooler& Platform::Spool() {
  return *spooler_;
}

}  // namespace platform
