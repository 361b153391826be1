#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "platform/Error.h"
#include "platform/WinTypes.h"
#include "tests/support/TempDir.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::TempDir;

constexpr char kDrives[] = "Software\\Sheafmill\\Platform\\Drives";
constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Sets an environment variable for the life of the test and puts the old value back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedVariable() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// A home folder and a profile inside it, as on a user's machine, all temporary.
class PlatformTest : public ::testing::Test {
 protected:
  PlatformTest()
      : home_(temp_.MakeDir("home/ann")),
        config_("XDG_CONFIG_HOME", (home_ / ".config").string()),
        options_{home_ / ".config" / "sheafmill", home_, temp_.MakeDir("programs")} {}

  std::string Text(RegistryStore& store, const char* key, const char* name) {
    const auto value = store.GetValue(key, name);
    return value ? value->text : "(missing)";
  }

  TempDir temp_;
  fs::path home_;
  ScopedVariable config_;  // the user-dirs file of the temporary home
  PlatformOptions options_;
};

TEST_F(PlatformTest, SeedsDrivesAndShellFoldersOnAFreshProfile) {
  temp_.MakeDir("home/ann/Desktop");
  temp_.MakeDir("home/ann/Documents");
  Platform platform(options_);

  EXPECT_EQ(Text(platform.Registry(), kDrives, "C:"), home_.string());
  EXPECT_EQ(Text(platform.Registry(), kDrives, "Z:"), "/");
  EXPECT_EQ(platform.Files().GetLogicalDrives(), (1u << 2) | (1u << 25));
  EXPECT_EQ(Text(platform.Registry(), kShellFolders, "Desktop"), "C:\\Desktop");
  EXPECT_EQ(Text(platform.Registry(), kShellFolders, "Personal"), "C:\\Documents");
  EXPECT_EQ(platform.Registry().GetValue(kShellFolders, "Desktop")->type, RegType::Sz);
  EXPECT_EQ(platform.Files().GetWindowsDirectory(), "C:\\.config\\sheafmill\\windows");
  EXPECT_TRUE(fs::is_directory(options_.profileFolder / "windows"));
}

TEST_F(PlatformTest, FollowsTheUserDirsFileAndFallsBackToHome) {
  temp_.MakeDir("home/ann/Schreibtisch");
  temp_.WriteFile("home/ann/.config/user-dirs.dirs",
                  "# written by xdg-user-dirs-update\n"
                  "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                  "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
  Platform platform(options_);
  EXPECT_EQ(Text(platform.Registry(), kShellFolders, "Desktop"), "C:\\Schreibtisch");
  // The documents folder named there does not exist.
  EXPECT_EQ(Text(platform.Registry(), kShellFolders, "Personal"), "C:\\");
}

TEST_F(PlatformTest, KeepsWhatTheProfileAlreadyHolds) {
  const auto data = temp_.MakeDir("data");
  {
    Platform first(options_);
    first.Registry().DeleteValue(kDrives, "Z:");
    first.Registry().SetValue(kDrives, "d:", RegValue::String(data.string()));
    first.Registry().SetValue(kShellFolders, "Desktop", RegValue::String("D:\\"));
  }
  Platform second(options_);
  EXPECT_EQ(second.Files().GetLogicalDrives(), (1u << 2) | (1u << 3));
  EXPECT_EQ(second.Files().ToHost("D:\\x"), data / "x");
  EXPECT_EQ(Text(second.Registry(), kShellFolders, "Desktop"), "D:\\");
  EXPECT_FALSE(second.Registry().GetValue(kDrives, "Z:"));
}

TEST_F(PlatformTest, RefusesADamagedDriveMap) {
  {
    Platform first(options_);
    first.Registry().SetValue(kDrives, "Docs", RegValue::String(home_.string()));
  }
  try {
    Platform second(options_);
    FAIL() << "a damaged drive map was accepted";
  } catch (const Error& error) {
    EXPECT_NE(error.Message().find("\"Docs\""), std::string::npos) << error.Message();
  }
  {
    RegistryStore store(options_.profileFolder);
    store.DeleteValue(kDrives, "Docs");
    store.SetValue(kDrives, "E:", RegValue::String("relative/folder"));
  }
  EXPECT_THROW(Platform{options_}, Error);
  EXPECT_THROW(Platform(PlatformOptions{options_.profileFolder, "", ""}), Error);
}

TEST_F(PlatformTest, StartsProgramsOnTheSameProfile) {
  const auto program = temp_.WriteFile(
      "programs/profile.exe", "#!/bin/sh\nprintf '%s' \"$SHEAFMILL_PROFILE\" > profile.txt\n");
  fs::permissions(program, fs::perms::owner_all);
  Platform platform(options_);
  const auto process =
      platform.ShellServices().ShellExecuteEx({"open", "profile.exe", "", "C:\\", SW_SHOW});
  ASSERT_TRUE(process);
  EXPECT_EQ(platform.ShellServices().WaitForSingleObject(*process, INFINITE), WAIT_OBJECT_0);
  platform.ShellServices().CloseHandle(*process);
  EXPECT_EQ(ReadFile(home_ / "profile.txt"), options_.profileFolder.string());
}

TEST_F(PlatformTest, TakesTheUsersOptionsFromTheEnvironment) {
  ScopedVariable profile("SHEAFMILL_PROFILE", (temp_.Path() / "profile").string());
  ScopedVariable home("HOME", home_.string());
  const PlatformOptions options = Platform::UserOptions();
  EXPECT_EQ(options.profileFolder, temp_.Path() / "profile");
  EXPECT_EQ(options.homeFolder, home_);
  EXPECT_EQ(options.programFolder, fs::read_symlink("/proc/self/exe").parent_path() / "programs");
}

}  // namespace
}  // namespace platform
