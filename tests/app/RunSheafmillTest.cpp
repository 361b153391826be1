#include "app/RunSheafmill.h"

#include <gtest/gtest.h>

#include "tests/app/SheafmillWorld.h"
#include "ui/headless/HeadlessForm.h"
#include "ui/headless/HeadlessKit.h"

namespace {

TEST(RunSheafmillTest, RunsTheMainWindowUntilItClosesUnderTheApplicationTitle) {
  testsupport::SheafmillWorld world;
  world.InstallPrinter("VELTRA Ashgrove PDF Creator");
  world.InstallDriverKey();
  world.Platform().Registry().SetValue(testsupport::kDriverKeyPath, "AutomaticOutput",
                                       platform::RegValue::Dword(3));
  ui::HeadlessKit kit;
  std::string shownCaption;
  kit.App().Post([&] {
    // The one form shown is the main window; the run ends by its close box.
    shownCaption = kit.App().Title();
  });

  EXPECT_EQ(RunSheafmill(kit, world.Options()), 0);
  EXPECT_EQ(shownCaption, "Sheafmill");
  EXPECT_TRUE(kit.App().Messages().empty());
  // The window ran on the world's profile and switched the driver's output off on closing.
  EXPECT_EQ(world.DriverValue("AutomaticOutput"), platform::RegValue::Dword(0));
}

TEST(RunSheafmillTest, APlatformThatCannotOpenIsReportedAndEndsTheProgram) {
  testsupport::SheafmillWorld world;
  ui::HeadlessKit kit;
  platform::PlatformOptions noHome{world.Options().profileFolder, "", ""};
  EXPECT_EQ(RunSheafmill(kit, noHome), 1);
  ASSERT_EQ(kit.App().Messages().size(), 1u);
  EXPECT_EQ(kit.App().Messages()[0].caption, "Sheafmill");
  EXPECT_EQ(kit.App().Messages()[0].icon, ui::MessageIcon::Stop);
}

}  // namespace
