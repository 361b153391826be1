// The installed printers and the default printer, kept in the user's registry store.

#include "platform/printing/Printers.h"

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "platform/WinTypes.h"
#include "tests/support/TempDir.h"

namespace platform {
namespace {

constexpr uint32_t kAll = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;

class PrintersTest : public ::testing::Test {
 protected:
  std::vector<std::string> Names() const {
    EnumPrintersResult result = printers.EnumPrinters(kAll);
    EXPECT_TRUE(result.ok);
    std::vector<std::string> names;
    for (const PrinterInfo& info : result.printers) names.push_back(info.PrinterName);
    return names;
  }

  testsupport::TempDir temp;
  RegistryStore store{temp.Path()};
  Printers printers{store};
};

TEST_F(PrintersTest, AFreshProfileHasNoPrinterAndNoDefault) {
  EXPECT_TRUE(Names().empty());
  EnumPrintersResult byDefault = printers.EnumPrinters(PRINTER_ENUM_DEFAULT);
  EXPECT_FALSE(byDefault.ok);
  EXPECT_EQ(byDefault.error, ERROR_INVALID_NAME);
  EXPECT_EQ(printers.GetProfileString("windows", "device", "none"), "none");
  EXPECT_FALSE(printers.EnumPrinters(0).ok);
}

TEST_F(PrintersTest, PrintersKeepTheOrderInWhichTheyWereInstalled) {
  for (const char* name : {"Zeta Laser", "VELTRA Ashgrove PDF Creator", "\\\\server\\Alpha"}) {
    printers.AddPrinter(name);
  }
  EXPECT_EQ(Names(), (std::vector<std::string>{"Zeta Laser", "VELTRA Ashgrove PDF Creator",
                                               "\\\\server\\Alpha"}));
  EXPECT_EQ(printers.EnumPrinters(kAll).printers[1].PortName, "Ne00:");
  EXPECT_FALSE(printers.EnumPrinters(PRINTER_ENUM_DEFAULT).ok)
      << "installing a printer does not make it the default";

  EXPECT_TRUE(printers.RemovePrinter("zeta laser"));
  EXPECT_FALSE(printers.RemovePrinter("Zeta Laser"));
  printers.AddPrinter("Zeta Laser");
  EXPECT_EQ(Names().back(), "Zeta Laser");
  EXPECT_THROW(printers.AddPrinter("a,b"), Error);
  EXPECT_THROW(printers.AddPrinter(""), Error);
}

TEST_F(PrintersTest, TheDefaultPrinterIsTheDeviceEntryAsStored) {
  printers.AddPrinter("VELTRA Ashgrove PDF Creator");
  printers.AddPrinter("Office Laser");
  printers.SetDefaultPrinter("veltra ashgrove pdf creator");

  EXPECT_EQ(printers.GetProfileString("Windows", "DEVICE", ""),
            "veltra ashgrove pdf creator,winspool,Ne00:");
  EnumPrintersResult byDefault = printers.EnumPrinters(PRINTER_ENUM_DEFAULT);
  ASSERT_TRUE(byDefault.ok);
  ASSERT_EQ(byDefault.printers.size(), 1u);
  EXPECT_EQ(byDefault.printers[0].PrinterName, "veltra ashgrove pdf creator");
  EXPECT_EQ(byDefault.printers[0].PortName, "Ne00:");
  EXPECT_EQ(printers.GetProfileString("devices", "Office Laser", ""), "winspool,Ne00:");

  EXPECT_THROW(printers.SetDefaultPrinter("Not Installed"), Error);
  EXPECT_EQ(printers.EnumPrinters(PRINTER_ENUM_DEFAULT).printers[0].PrinterName,
            "veltra ashgrove pdf creator");
}

TEST_F(PrintersTest, DeviceEntriesWrittenByHandAreReadLikeWindowsReadsThem) {
  store.CreateKey("Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows");
  store.SetValue("Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", "Device",
                 RegValue::String("  Label Printer,winspool,USB001"));
  EnumPrintersResult byDefault = printers.EnumPrinters(PRINTER_ENUM_DEFAULT);
  ASSERT_TRUE(byDefault.ok);
  EXPECT_EQ(byDefault.printers[0].PrinterName, "Label Printer");
  EXPECT_EQ(byDefault.printers[0].PortName, "USB001");
}

TEST_F(PrintersTest, RemovingOrClearingTheDefaultLeavesNone) {
  printers.AddPrinter("A");
  printers.AddPrinter("B");
  printers.SetDefaultPrinter("B");
  printers.RemovePrinter("A");
  EXPECT_TRUE(printers.EnumPrinters(PRINTER_ENUM_DEFAULT).ok);
  printers.RemovePrinter("b");
  EXPECT_EQ(printers.EnumPrinters(PRINTER_ENUM_DEFAULT).error, ERROR_INVALID_NAME);

  printers.AddPrinter("C");
  printers.SetDefaultPrinter("C");
  printers.SetDefaultPrinter("");
  EXPECT_FALSE(printers.EnumPrinters(PRINTER_ENUM_DEFAULT).ok);
  EXPECT_EQ(Names(), std::vector<std::string>{"C"});
}

}  // namespace
}  // namespace platform
