// The main window's Advanced Options button: the exchange with the driver key around the
// options dialog.

#include <gtest/gtest.h>

#include "app/SheafmillUnit.h"
#include "tests/app/SheafmillWorld.h"
#include "ui/headless/HeadlessButton.h"
#include "ui/headless/HeadlessEdit.h"
#include "ui/headless/HeadlessKit.h"

namespace {

using platform::RegValue;

class SheafmillUnitOptionsTest : public ::testing::Test {
 protected:
  SheafmillUnitOptionsTest() {
    kit.App().SetTitle("Sheafmill");
    world.InstallPrinter("VELTRA Ashgrove PDF Creator");
    world.InstallDriverKey();
    form = std::make_unique<TForm1>(kit, world.Platform(), printers);
    form->Window().Show();
  }
  bool PressAdvancedOptions() { return static_cast<ui::HeadlessButton&>(*form->Button2).Click(); }
  template <class Control>
  static Control& Find(ui::Form& dialog, const std::string& name) {
    for (ui::Control* control : dialog.Controls()) {
      if (control->Name() == name) return dynamic_cast<Control&>(*control);
    }
    throw std::runtime_error("no control " + name);
  }

  testsupport::SheafmillWorld world;
  ui::HeadlessKit kit;
  controls::ProcessPrinters printers{world.Platform().Printing()};
  std::unique_ptr<TForm1> form;
};

TEST_F(SheafmillUnitOptionsTest, OkStoresTheDialogsValuesInTheWindowAndTheDriverKey) {
  world.Platform().Registry().SetValue(testsupport::kDriverKeyPath, "Title",
                                       RegValue::String("Old title"));
  std::string shownTitle;
  kit.App().ExpectModal([&](ui::Form& dialog) {
    EXPECT_EQ(dialog.Owner(), &form->Window());
    shownTitle = Find<ui::Edit>(dialog, "Edit1").Text();
    Find<ui::HeadlessEdit>(dialog, "Edit1").Type("Minutes");
    Find<ui::HeadlessEdit>(dialog, "Edit3").Type("Ann");
    Find<ui::HeadlessButton>(dialog, "Button1").Click();
  });
  EXPECT_TRUE(PressAdvancedOptions());
  EXPECT_EQ(shownTitle, "Old title");
  EXPECT_EQ(form->DocTitle, "Minutes");
  EXPECT_EQ(form->DocAuthor, "Ann");
  EXPECT_EQ(world.DriverValue("Title"), RegValue::String("Minutes"));
  EXPECT_EQ(world.DriverValue("Author"), RegValue::String("Ann"));
  EXPECT_EQ(world.DriverValue("AutomaticOutput"), RegValue::Dword(3));
  EXPECT_TRUE(kit.App().Messages().empty());
}

TEST_F(SheafmillUnitOptionsTest, AWrongValueTypeIsReportedAndTheWindowGoesOn) {
  world.Platform().Registry().SetValue(testsupport::kDriverKeyPath, "Keywords", RegValue::Dword(1));
  bool shown = false;
  kit.App().ExpectModal([&](ui::Form&) { shown = true; });
  EXPECT_TRUE(PressAdvancedOptions());
  EXPECT_FALSE(shown);
  ASSERT_EQ(kit.App().Messages().size(), 1u);
  EXPECT_EQ(kit.App().Messages()[0].text, "Invalid data type for 'Keywords'");
  EXPECT_TRUE(form->Window().Visible());
  EXPECT_FALSE(world.DriverValue("Title").has_value());
}

}  // namespace
