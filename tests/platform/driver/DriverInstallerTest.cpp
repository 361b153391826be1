#include "platform/driver/DriverInstaller.h"

#include <gtest/gtest.h>

#include "platform/driver/DriverNames.h"
#include "tests/support/TempDir.h"

namespace platform::driver {
namespace {

class DriverInstallerTest : public testing::Test {
 protected:
  std::vector<std::string> Installed() const {
    std::vector<std::string> names;
    for (const auto& printer : printers.EnumPrinters(PRINTER_ENUM_LOCAL).printers) {
      names.push_back(printer.PrinterName);
    }
    return names;
  }

  std::string Default() const {
    auto result = printers.EnumPrinters(PRINTER_ENUM_DEFAULT);
    return result.ok && !result.printers.empty() ? result.printers.front().PrinterName : "";
  }

  std::optional<RegValue> Setting(const std::string& name) const {
    return store.GetValue(SettingsKey, name);
  }

  testsupport::TempDir temp;
  RegistryStore store{temp.Path() / "profile"};
  Printers printers{store};
};

TEST_F(DriverInstallerTest, InstallOnAnEmptyProfileCreatesSettingsAndTheDefaultPrinter) {
  Install(store, printers);
  EXPECT_EQ(store.ValueNames(SettingsKey),
            (std::vector<std::string>{"AutomaticOutput", "AutomaticPath", "Title", "Subject",
                                      "Author", "Keywords", "EmbedNum", "AllIndex"}));
  for (const char* name : {"AutomaticOutput", "EmbedNum", "AllIndex"}) {
    EXPECT_EQ(Setting(name), RegValue::Dword(0)) << name;
  }
  for (const char* name : {"AutomaticPath", "Title", "Subject", "Author", "Keywords"}) {
    EXPECT_EQ(Setting(name), RegValue::String("")) << name;
  }
  EXPECT_EQ(Installed(), std::vector<std::string>{PrinterName});
  EXPECT_EQ(Default(), PrinterName);
  EXPECT_TRUE(IsInstalled(printers));
}

TEST_F(DriverInstallerTest, InstallingAgainKeepsTheUsersValuesAndAddsNothing) {
  Install(store, printers);
  store.SetValue(SettingsKey, "Title", RegValue::String("Annual report"));
  store.SetValue(SettingsKey, "EmbedNum", RegValue::Dword(3));
  store.DeleteValue(SettingsKey, "Keywords");
  printers.AddPrinter("Office Laser");
  printers.SetDefaultPrinter("Office Laser");

  Install(store, printers);
  EXPECT_EQ(Setting("Title"), RegValue::String("Annual report"));
  EXPECT_EQ(Setting("EmbedNum"), RegValue::Dword(3));
  EXPECT_EQ(Setting("Keywords"), RegValue::String(""));
  EXPECT_EQ(Installed(), (std::vector<std::string>{PrinterName, "Office Laser"}));
  EXPECT_EQ(Default(), "Office Laser");
}

TEST_F(DriverInstallerTest, AnExistingDefaultPrinterStaysTheDefault) {
  printers.AddPrinter("Office Laser");
  printers.SetDefaultPrinter("Office Laser");
  Install(store, printers);
  EXPECT_EQ(Installed(), (std::vector<std::string>{"Office Laser", PrinterName}));
  EXPECT_EQ(Default(), "Office Laser");
}

TEST_F(DriverInstallerTest, UninstallRemovesThePrinterAndItsDefaultButKeepsTheSettings) {
  Install(store, printers);
  store.SetValue(SettingsKey, "Author", RegValue::String("Ann"));
  Uninstall(store, printers, SettingsOnUninstall::Keep);
  EXPECT_TRUE(Installed().empty());
  EXPECT_EQ(Default(), "");
  EXPECT_EQ(Setting("Author"), RegValue::String("Ann"));

  Install(store, printers);
  EXPECT_EQ(Setting("Author"), RegValue::String("Ann"));
}

TEST_F(DriverInstallerTest, UninstallLeavesAnotherDefaultPrinterAlone) {
  printers.AddPrinter("Office Laser");
  printers.SetDefaultPrinter("Office Laser");
  Install(store, printers);
  Uninstall(store, printers, SettingsOnUninstall::Keep);
  EXPECT_EQ(Installed(), std::vector<std::string>{"Office Laser"});
  EXPECT_EQ(Default(), "Office Laser");
}

TEST_F(DriverInstallerTest, UninstallCanRemoveTheSettingsToo) {
  Install(store, printers);
  Uninstall(store, printers, SettingsOnUninstall::Remove);
  EXPECT_FALSE(store.KeyExists(SettingsKey));
  EXPECT_FALSE(IsInstalled(printers));
  // The parent keys may hold other products' settings.
  EXPECT_TRUE(store.KeyExists("Software\\Quillby"));
}

}  // namespace
}  // namespace platform::driver
