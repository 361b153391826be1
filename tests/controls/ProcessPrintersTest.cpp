#include "controls/ProcessPrinters.h"

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "platform/registry/RegistryStore.h"
#include "tests/support/TempDir.h"

namespace {

using Names = std::vector<std::string>;

constexpr char kWindowsKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

class ProcessPrintersTest : public ::testing::Test {
 protected:
  testsupport::TempDir temp;
  platform::RegistryStore store{temp.Path()};
  platform::Printers installed{store};
  controls::ProcessPrinters printers{installed};

  void ExpectError(const std::function<void()>& action, const std::string& message) {
    try {
      action();
      ADD_FAILURE() << "no error; expected \"" << message << "\"";
    } catch (const platform::EPrinter& error) {
      EXPECT_EQ(error.Message(), message);
    }
  }
};

TEST_F(ProcessPrintersTest, NamesKeepTheEnumerationOrderAndAreHeldUntilARefresh) {
  installed.AddPrinter("Zeta Laser");
  installed.AddPrinter("alpha Inkjet");
  installed.AddPrinter("Mid Fax");
  EXPECT_EQ(printers.Names(), (Names{"Zeta Laser", "alpha Inkjet", "Mid Fax"}));

  installed.AddPrinter("VELTRA Ashgrove PDF Creator");
  installed.RemovePrinter("Mid Fax");
  EXPECT_EQ(printers.Count(), 3);
  printers.Refresh();
  EXPECT_EQ(printers.Names(), (Names{"Zeta Laser", "alpha Inkjet", "VELTRA Ashgrove PDF Creator"}));
}

TEST_F(ProcessPrintersTest, NoPrintersGiveAnEmptyListAndNoCurrentPrinter) {
  EXPECT_EQ(printers.Names(), Names{});
  ExpectError([&] { printers.PrinterIndex(); }, "There is no default printer currently selected");
  installed.AddPrinter("Late Printer");
  EXPECT_EQ(printers.Count(), 0);  // the empty list is held like any other
}

TEST_F(ProcessPrintersTest, TheCurrentPrinterStartsAtTheDefaultPrinterIgnoringLetterCase) {
  installed.AddPrinter("Office Laser");
  installed.AddPrinter("PDF Writer");
  installed.SetDefaultPrinter("pdf WRITER");
  EXPECT_EQ(printers.PrinterIndex(), 1);
}

TEST_F(ProcessPrintersTest, TheDefaultPrinterIsReadFromTheProfileEntryBeforeItsFirstComma) {
  installed.AddPrinter("Office Laser");
  installed.AddPrinter("Plotter");
  store.CreateKey(kWindowsKey);
  ASSERT_TRUE(store.SetValue(kWindowsKey, "Device",
                             platform::RegValue::String("   plotter,winspool,Ne01:")));
  EXPECT_EQ(printers.PrinterIndex(), 1);
}

TEST_F(ProcessPrintersTest, ADefaultPrinterThatIsNotListedIsNoCurrentPrinter) {
  installed.AddPrinter("Office Laser");
  store.CreateKey(kWindowsKey);
  ASSERT_TRUE(
      store.SetValue(kWindowsKey, "Device", platform::RegValue::String("Ghost,winspool,Ne00:")));
  ExpectError([&] { printers.PrinterIndex(); }, "There is no default printer currently selected");
  ExpectError([&] { printers.PrinterIndex(); }, "There is no default printer currently selected");
  ExpectError([&] { printers.SetPrinterIndex(0); },
              "There is no default printer currently selected");
}

TEST_F(ProcessPrintersTest, SettingTheIndexChecksTheRangeAndARefreshKeepsIt) {
  installed.AddPrinter("Office Laser");
  installed.AddPrinter("Fax");
  installed.SetDefaultPrinter("Office Laser");
  printers.SetPrinterIndex(1);
  EXPECT_EQ(printers.PrinterIndex(), 1);
  for (int bad : {2, -1, -7}) {
    ExpectError([&] { printers.SetPrinterIndex(bad); }, "Printer index out of range");
  }
  EXPECT_EQ(printers.PrinterIndex(), 1);
  printers.Refresh();
  EXPECT_EQ(printers.PrinterIndex(), 1);
}

TEST_F(ProcessPrintersTest, TheFirstWriteIsRangeCheckedToo) {
  installed.AddPrinter("Office Laser");
  installed.SetDefaultPrinter("Office Laser");
  ExpectError([&] { printers.SetPrinterIndex(5); }, "Printer index out of range");
  EXPECT_EQ(printers.PrinterIndex(), 0);  // the default printer was chosen on the way
}

}  // namespace
