#include "convert/DriverControl.h"

#include <gtest/gtest.h>

#include "convert/DriverNames.h"
#include "platform/registry/RegistryStore.h"
#include "tests/support/TempDir.h"

namespace {

using platform::RegValue;

class DriverControlTest : public ::testing::Test {
 protected:
  testsupport::TempDir temp;
  platform::RegistryStore store{temp.Path()};
  DriverControl driver{store};
};

TEST_F(DriverControlTest, WritesOutputModeAndFolderWithTheirTypes) {
  store.CreateKey(kDriverKey);
  store.SetValue(kDriverKey, "Title", RegValue::String("kept"));
  EXPECT_TRUE(driver.WriteAutomaticOutput(3, "C:\\OUT"));
  EXPECT_EQ(store.GetValue(kDriverKey, "AutomaticOutput"), RegValue::Dword(3));
  EXPECT_EQ(store.GetValue(kDriverKey, "AutomaticPath"), RegValue::String("C:\\OUT"));

  EXPECT_TRUE(driver.ResetAutomaticOutput());
  EXPECT_EQ(store.GetValue(kDriverKey, "AutomaticOutput"), RegValue::Dword(0));
  EXPECT_EQ(store.GetValue(kDriverKey, "AutomaticPath"), RegValue::String(""));
  EXPECT_EQ(store.GetValue(kDriverKey, "Title"), RegValue::String("kept"));
}

TEST_F(DriverControlTest, WithoutTheDriverKeyNothingIsWrittenOrCreated) {
  store.CreateKey("Software\\Other");
  EXPECT_FALSE(driver.ResetAutomaticOutput());
  EXPECT_FALSE(driver.WriteAutomaticOutput(1, "C:\\OUT"));
  EXPECT_FALSE(store.KeyExists(kDriverKey));
  EXPECT_FALSE(store.KeyExists("Software\\Quillby"));
}

TEST_F(DriverControlTest, TheKeyIsFoundWhateverTheLetterCaseOfItsStoredName) {
  store.CreateKey("software\\QUILLBY\\varnel");
  EXPECT_TRUE(driver.ResetAutomaticOutput());
  EXPECT_EQ(store.GetValue(kDriverKey, "AutomaticOutput"), RegValue::Dword(0));
}

}  // namespace
