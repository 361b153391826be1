// Keys as the program uses them: opened without being created, read with type checks,
// written as REG_DWORD and REG_SZ.

#include "platform/registry/RegKey.h"

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "platform/WinTypes.h"
#include "tests/platform/registry/RegValuePrinter.h"
#include "tests/support/TempDir.h"

namespace platform {
namespace {

class RegKeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store.CreateKey("Software\\Quillby\\Varnel");
    store.SetValue("Software\\Quillby\\Varnel", "Binary", RegValue::Bytes(RegType::Binary, {1, 2}));
    store.SetValue("Software\\Quillby\\Varnel", "Expand", RegValue::ExpandString("%TEMP%\\x"));
  }
  testsupport::TempDir temp;
  RegistryStore store{temp.Path()};
};

TEST_F(RegKeyTest, OpeningAMissingKeyGivesNothingAndCreatesNothing) {
  std::string before = testsupport::ReadFile(store.File());
  EXPECT_FALSE(RegKey::Open(store, "\\Software\\Quillby\\Missing", KEY_WRITE));
  EXPECT_FALSE(RegKey::Open(store, "\\Software\\Quillby\\Missing", KEY_READ));
  EXPECT_FALSE(store.KeyExists("Software\\Quillby\\Missing"));
  EXPECT_EQ(testsupport::ReadFile(store.File()), before);
}

TEST_F(RegKeyTest, WrittenValuesReadBackWithTheirTypes) {
  auto key = RegKey::Open(store, "\\Software\\Quillby\\Varnel", KEY_WRITE);
  ASSERT_TRUE(key);
  key->WriteInteger("AutomaticOutput", 3);
  key->WriteInteger("Negative", -2);
  key->WriteString("AutomaticPath", "C:\\Out");
  key->Close();

  auto reader = RegKey::Open(store, "software\\quillby\\varnel", KEY_READ);
  ASSERT_TRUE(reader);
  EXPECT_EQ(reader->ReadInteger("automaticoutput"), 3);
  EXPECT_EQ(reader->ReadInteger("Negative"), -2);
  EXPECT_EQ(store.GetValue("Software\\Quillby\\Varnel", "Negative"), RegValue::Dword(0xFFFFFFFE));
  EXPECT_EQ(reader->ReadString("AutomaticPath"), "C:\\Out");
  EXPECT_EQ(store.GetValue("Software\\Quillby\\Varnel", "AutomaticPath")->type, RegType::Sz);
  EXPECT_EQ(reader->ReadString("Expand"), "%TEMP%\\x") << "read unexpanded";
  EXPECT_EQ(reader->ReadString("Title"), "") << "a missing text reads as empty";
  EXPECT_TRUE(reader->ValueExists("AUTOMATICPATH"));
  EXPECT_FALSE(reader->ValueExists("Title"));
}

TEST_F(RegKeyTest, AnotherTypeRaisesInvalidDataType) {
  auto key = RegKey::Open(store, "Software\\Quillby\\Varnel", KEY_ALL_ACCESS);
  ASSERT_TRUE(key);
  key->WriteString("Text", "3");
  key->WriteInteger("Number", 3);
  auto expectMessage = [](const std::function<void()>& read, const std::string& message) {
    try {
      read();
      ADD_FAILURE() << "no error, expected " << message;
    } catch (const ERegistryException& error) {
      EXPECT_EQ(error.Message(), message);
    }
  };
  expectMessage([&] { key->ReadInteger("Text"); }, "Invalid data type for 'Text'");
  expectMessage([&] { key->ReadInteger("Binary"); }, "Invalid data type for 'Binary'");
  expectMessage([&] { key->ReadInteger("Missing"); }, "Invalid data type for 'Missing'");
  expectMessage([&] { key->ReadString("Number"); }, "Invalid data type for 'Number'");
  expectMessage([&] { key->ReadString("Binary"); }, "Invalid data type for 'Binary'");
}

TEST_F(RegKeyTest, WritesNeedWriteAccessAndAKeyThatStillExists) {
  auto reader = RegKey::Open(store, "Software\\Quillby\\Varnel", KEY_READ);
  ASSERT_TRUE(reader);
  EXPECT_THROW(reader->WriteInteger("AutomaticOutput", 0), ERegistryException);
  EXPECT_FALSE(reader->ValueExists("AutomaticOutput"));

  auto writer = RegKey::Open(store, "Software\\Quillby\\Varnel", KEY_WRITE);
  ASSERT_TRUE(writer);
  store.DeleteKey("Software\\Quillby");
  try {
    writer->WriteString("AutomaticPath", "");
    ADD_FAILURE() << "no error";
  } catch (const ERegistryException& error) {
    EXPECT_EQ(error.Message(), "Failed to set data for 'AutomaticPath'");
  }
  EXPECT_FALSE(store.KeyExists("Software\\Quillby\\Varnel")) << "the write must not re-create it";

  writer->Close();
  EXPECT_THROW(writer->ReadString("x"), Error);
}

}  // namespace
}  // namespace platform
