#pragma once
// One Platform per process: the services the program calls (registry, files, printers and
// spooler, automation, shell, system), assembled for one user profile. Tests build a fresh
// Platform on temporary folders, so nothing leaks between tests and no test touches the
// user's home.

#include <filesystem>
#include <memory>
#include <string>

#include "platform/files/FileSystem.h"
#include "platform/printing/Printers.h"
#include "platform/printing/Spooler.h"
#include "platform/registry/RegistryStore.h"
#include "platform/shell/Shell.h"
#include "platform/system/NamedLock.h"
#include "platform/system/System.h"

namespace platform {

class AutomationRuntime;

struct PlatformOptions {
  std::filesystem::path profileFolder;  // the registry store and the Windows directory
  std::filesystem::path homeFolder;     // default drive C: and the shell folders
  std::filesystem::path programFolder;  // the project's own programs (rundll32.exe, ...)
};

class Platform {
 public:
  // Opens the profile's registry store. On the first start of a profile it writes the
  // drive map ("Software\Sheafmill\Platform\Drives": C: = the home folder, Z: = the
  // host's root) and the Shell Folders `Desktop` and `Personal`. The Windows directory is
  // the profile's folder "windows". platform::Error for a damaged drive map.
  explicit Platform(const PlatformOptions& options);
  ~Platform();
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;

  // The current user's options: profile $SHEAFMILL_PROFILE, else $XDG_CONFIG_HOME/sheafmill,
  // else ~/.config/sheafmill; home $HOME (else the user's entry in the password database);
  // programs in the folder "programs" beside the running executable.
  static PlatformOptions UserOptions();

  RegistryStore& Registry() { return *registry_; }
  FileSystem& Files() { return *files_; }
  Printers& Printing() { return *printers_; }
  Spooler& Spool();
  AutomationRuntime& Automation() { return *automation_; }
  Shell& ShellServices() { return *shell_; }
  System& Sys() { return *system_; }
  // The named locks of the profile, beside its registry store.
  Locks& ProfileLocks() { return *locks_; }

 private:
  PlatformOptions options_;
  std::unique_ptr<RegistryStore> registry_;
  std::unique_ptr<FileSystem> files_;
  std::unique_ptr<Printers> printers_;
  std::unique_ptr<Spooler> spooler_;
  std::unique_ptr<AutomationRuntime> automation_;
  std::unique_ptr<Shell> shell_;
  std::unique_ptr<System> system_;
  std::unique_ptr<Locks> locks_;
};

}  // namespace platform
