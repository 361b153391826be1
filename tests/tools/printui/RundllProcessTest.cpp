// rundll32.exe as the program reaches it: through the shell, by its Windows name, in the
// platform's program folder. Without a display nothing can be shown; the program says why
// and fails.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "platform/WinTypes.h"
#include "platform/driver/DriverNames.h"
#include "platform/files/FileSystem.h"
#include "platform/printing/Printers.h"
#include "platform/registry/RegistryStore.h"
#include "platform/shell/Shell.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

constexpr char kParameters[] = "printui.dll,PrintUIEntry /e /n \"VELTRA Ashgrove PDF Creator\"";

struct Outcome {
  int exitCode = -1;
  std::string output;
};

class RundllProcessTest : public ::testing::Test {
 protected:
  RundllProcessTest() {
    shell.SetChildEnvironment("SHEAFMILL_PROFILE", profile.string());
    shell.SetChildEnvironment("DISPLAY", "");
  }

  // Through the shell, as the options dialog starts it: the exit code.
  int32_t ThroughShell(const std::string& parameters) {
    const auto process = shell.ShellExecuteEx({"open", "rundll32.exe", parameters, "", 5});
    if (!process) return -1000;
    EXPECT_EQ(shell.WaitForSingleObject(*process, platform::INFINITE), platform::WAIT_OBJECT_0);
    const auto code = shell.GetExitCodeProcess(*process);
    shell.CloseHandle(*process);
    return code ? static_cast<int32_t>(*code) : -1000;
  }
  // Directly, for what it says.
  Outcome Run(const std::string& parameters) const {
    const std::string command = "DISPLAY= WAYLAND_DISPLAY= SHEAFMILL_PROFILE='" + profile.string() +
                                "' '" + SHEAFMILL_RUNDLL_EXE + "' " + parameters + " 2>&1";
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return outcome;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) outcome.output += buffer;
    const int status = pclose(pipe);
    if (WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
    return outcome;
  }
  void InstallDriver() {
    printers.AddPrinter(platform::driver::PrinterName);
    store.CreateKey(platform::driver::SettingsKey);
  }

  testsupport::TempDir temp;
  fs::path profile = temp.MakeDir("profile");
  platform::RegistryStore store{profile};
  platform::Printers printers{store};
  platform::FileSystem files{platform::DriveMap{{'C', temp.MakeDir("c")}}, temp.Path() / "c"};
  platform::Shell shell{files, fs::path(SHEAFMILL_RUNDLL_EXE).parent_path()};
};

TEST_F(RundllProcessTest, TheBuildPutsTheProgramWhereTheShellFindsIt) {
  EXPECT_EQ(fs::path(SHEAFMILL_RUNDLL_EXE).filename(), "rundll32.exe");
  EXPECT_EQ(fs::path(SHEAFMILL_RUNDLL_EXE).parent_path().filename(), "programs");
  InstallDriver();
  EXPECT_EQ(ThroughShell(kParameters), 1);
}

TEST_F(RundllProcessTest, WithoutADisplayItSaysSoAndChangesNothing) {
  InstallDriver();
  const Outcome outcome = Run("printui.dll,PrintUIEntry /e /n 'VELTRA Ashgrove PDF Creator'");
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_EQ(outcome.output,
            "rundll32.exe: There is no display to show the printing preferences of \"VELTRA "
            "Ashgrove PDF Creator\" on.\n");
  EXPECT_FALSE(store.GetValue(platform::driver::SettingsKey, "EmbedNum"));
}

TEST_F(RundllProcessTest, OtherPrintersEntriesOrAMissingDriverAreRefused) {
  Outcome missing = Run("printui.dll,PrintUIEntry /e /n 'VELTRA Ashgrove PDF Creator'");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.output.find("is not installed"), std::string::npos) << missing.output;

  InstallDriver();
  Outcome other = Run("printui.dll,PrintUIEntry /e /n 'Office Laser'");
  EXPECT_EQ(other.exitCode, 1);
  EXPECT_EQ(other.output,
            "rundll32.exe: The printer \"Office Laser\" has no printing preferences here.\n");
  EXPECT_EQ(ThroughShell("shell32.dll,Control_RunDLL desk.cpl"), 1);
  EXPECT_EQ(ThroughShell("printui.dll,PrintUIEntry /e /n \"Office Laser\""), 1);
}

}  // namespace
