// The main window's printer combo and its start-up preselection of the PDF printer.

#include <gtest/gtest.h>

#include "app/SheafmillUnit.h"
#include "tests/app/SheafmillWorld.h"
#include "ui/headless/HeadlessDropDownList.h"
#include "ui/headless/HeadlessKit.h"

namespace {

constexpr char kDriverPrinter[] = "VELTRA Ashgrove PDF Creator";

class SheafmillUnitPrinterTest : public ::testing::Test {
 protected:
  SheafmillUnitPrinterTest() { kit.App().SetTitle("Sheafmill"); }

  TForm1& Create() {
    form = std::make_unique<TForm1>(kit, world.Platform(), printers);
    return *form;
  }
  ui::DropDownList& Combo() { return form->ZELPrinterCombo1->Base(); }
  const std::vector<ui::MessageBoxRecord>& Messages() { return kit.App().Messages(); }

  testsupport::SheafmillWorld world;
  ui::HeadlessKit kit;
  controls::ProcessPrinters printers{world.Platform().Printing()};
  std::unique_ptr<TForm1> form;
};

TEST_F(SheafmillUnitPrinterTest, TheFirstFamilyPrinterIsPreselectedAndTheCurrentPrinterStays) {
  world.InstallPrinter("Office Laser");
  world.InstallPrinter("VELTRA Draft Writer");
  world.InstallPrinter(kDriverPrinter);
  TForm1& f = Create();
  EXPECT_EQ(Combo().Name(), "ZELPrinterCombo1");
  EXPECT_EQ(Combo().Bounds(), (ui::Bounds{8, 200, 209, 28}));
  EXPECT_EQ(Combo().TabOrder(), 7);
  EXPECT_EQ(Combo().Parent(), &f.Window());
  EXPECT_EQ(f.ZELPrinterCombo1->SelectedIndex(), 1);
  EXPECT_EQ(f.ZELPrinterCombo1->SelectedPrinter(), "VELTRA Draft Writer");
  EXPECT_EQ(printers.PrinterIndex(), 0);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SheafmillUnitPrinterTest, AFamilyWordInLowerCaseIsNotPreselectedAndTheLastEntryStays) {
  world.InstallPrinter("Office Laser");
  world.InstallPrinter("veltra draft pdf");
  world.InstallPrinter("Fax");
  TForm1& f = Create();
  EXPECT_TRUE(Messages().empty());  // the check upper-cases, so no warning either
  EXPECT_EQ(f.ZELPrinterCombo1->SelectedIndex(), 2);
  EXPECT_EQ(printers.PrinterIndex(), 0);
}

TEST_F(SheafmillUnitPrinterTest, WithoutPrintersTheComboIsNotTouchedUntilItIsShown) {
  TForm1& f = Create();
  ASSERT_EQ(Messages().size(), 1u);  // the no-printer warning alone
  EXPECT_FALSE(Combo().HasWindow());
  EXPECT_EQ(f.ZELPrinterCombo1->SelectedIndex(), 0);
  EXPECT_EQ(Combo().Item(0), "(No Printers connected)");
  EXPECT_FALSE(Combo().Enabled());
}

TEST_F(SheafmillUnitPrinterTest, WithoutADefaultPrinterTheErrorIsReportedAndStartUpEnds) {
  world.Platform().Printing().AddPrinter("Office Laser");
  world.Platform().Printing().AddPrinter(kDriverPrinter);
  TForm1& f = Create();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "There is no default printer currently selected.");
  EXPECT_EQ(Messages()[0].icon, ui::MessageIcon::Stop);
  EXPECT_EQ(f.ZELPrinterCombo1->SelectedIndex(), -1);
  EXPECT_EQ(Combo().Count(), 2);
  EXPECT_EQ(f.OverwriteMode, 3);
}

TEST_F(SheafmillUnitPrinterTest, AUsersPickMakesThePickedPrinterCurrent) {
  world.InstallPrinter("Office Laser");
  world.InstallPrinter(kDriverPrinter);
  Create().Window().Show();
  EXPECT_EQ(form->ZELPrinterCombo1->SelectedIndex(), 1);
  EXPECT_EQ(printers.PrinterIndex(), 0);
  auto& combo = static_cast<ui::HeadlessDropDownList&>(Combo());
  ASSERT_TRUE(combo.UserPick(0));
  ASSERT_TRUE(combo.UserPick(1));
  EXPECT_EQ(printers.PrinterIndex(), 1);
}

}  // namespace
