// The installer as a process: what a person or a setup script runs.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "platform/driver/DriverNames.h"
#include "platform/printing/Printers.h"
#include "platform/registry/RegistryStore.h"
#include "tests/support/TempDir.h"

namespace {

using platform::RegValue;
using platform::driver::PrinterName;
using platform::driver::SettingsKey;

struct ToolResult {
  int exitCode = -1;
  std::string output;
};

class SheafmillDriverTest : public testing::Test {
 protected:
  // Runs sheafmill-driver with `args` on the test's own profile.
  ToolResult Run(const std::string& args) const {
    std::string command = "SHEAFMILL_PROFILE='" + profile.string() + "' '" + SHEAFMILL_DRIVER_EXE +
                          "' " + args + " 2>&1";
    ToolResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) result.output += buffer;
    int status = pclose(pipe);
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    return result;
  }

  std::vector<std::string> Installed() const {
    std::vector<std::string> names;
    for (const auto& printer : printers.EnumPrinters(platform::PRINTER_ENUM_LOCAL).printers) {
      names.push_back(printer.PrinterName);
    }
    return names;
  }

  testsupport::TempDir temp;
  std::filesystem::path profile = temp.Path() / "profile";
  platform::RegistryStore store{profile};
  platform::Printers printers{store};
};

TEST_F(SheafmillDriverTest, InstallTwiceGivesOnePrinterAndKeepsTheSettings) {
  ToolResult first = Run("install");
  ASSERT_EQ(first.exitCode, 0) << first.output;
  EXPECT_NE(first.output.find(std::string(PrinterName) + " is installed"), std::string::npos);
  EXPECT_EQ(store.GetValue(SettingsKey, "AutomaticOutput"), RegValue::Dword(0));
  store.SetValue(SettingsKey, "Subject", RegValue::String("Minutes"));

  ASSERT_EQ(Run("install").exitCode, 0);
  EXPECT_EQ(Installed(), std::vector<std::string>{PrinterName});
  EXPECT_EQ(printers.GetProfileString("windows", "device", ""),
            std::string(PrinterName) + ",winspool,Ne00:");
  EXPECT_EQ(store.GetValue(SettingsKey, "Subject"), RegValue::String("Minutes"));
  EXPECT_EQ(store.GetValue(SettingsKey, "AllIndex"), RegValue::Dword(0));
}

TEST_F(SheafmillDriverTest, UninstallKeepsTheSettingsUnlessPurged) {
  ASSERT_EQ(Run("install").exitCode, 0);
  ToolResult removed = Run("uninstall");
  ASSERT_EQ(removed.exitCode, 0) << removed.output;
  EXPECT_TRUE(Installed().empty());
  EXPECT_TRUE(store.KeyExists(SettingsKey));

  ASSERT_EQ(Run("uninstall --purge").exitCode, 0);
  EXPECT_FALSE(store.KeyExists(SettingsKey));
}

TEST_F(SheafmillDriverTest, AnUnknownCommandShowsTheUsageAndChangesNothing) {
  ToolResult result = Run("instal");
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.output.find("usage: sheafmill-driver install"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(store.File()));
}

}  // namespace
