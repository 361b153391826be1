#include "platform/registry/RegistryStore.h"

#include <gtest/gtest.h>

#include "platform/win32/WinApi.h"

namespace {

using platform::RegType;
using platform::RegValue;

// A key of its own under HKEY_CURRENT_USER\Software, removed again.
class RegistryStoreTest : public ::testing::Test {
 protected:
  RegistryStoreTest() : key("Software\\SheafmillTest-" + std::to_string(GetCurrentProcessId())) {
    store.CreateKey(key);
  }
  ~RegistryStoreTest() override { store.DeleteKey(key); }

  platform::RegistryStore store{""};
  std::string key;
};

TEST_F(RegistryStoreTest, ValuesKeepTheirTypesAndTextsOutsideTheCodePage) {
  ASSERT_TRUE(store.KeyExists(key));
  ASSERT_TRUE(store.KeyExists("\\" + key));
  EXPECT_TRUE(store.SetValue(key, "AutomaticPath", RegValue::String("C:\\Ärger\\Ωmega 漢字")));
  EXPECT_TRUE(store.SetValue(key, "AutomaticOutput", RegValue::Dword(0xFFFFFFFE)));
  EXPECT_TRUE(store.SetValue(key, "Expand", RegValue::ExpandString("%TEMP%\\x")));
  EXPECT_TRUE(store.SetValue(key, "Raw", RegValue::Bytes(RegType::Binary, {0, 1, 255})));
  EXPECT_EQ(store.GetValue(key, "automaticpath"), RegValue::String("C:\\Ärger\\Ωmega 漢字"));
  EXPECT_EQ(store.GetValue("\\" + key, "AutomaticOutput"), RegValue::Dword(0xFFFFFFFE));
  EXPECT_EQ(store.GetValue(key, "Expand"), RegValue::ExpandString("%TEMP%\\x"));
  EXPECT_EQ(store.GetValue(key, "Raw"), RegValue::Bytes(RegType::Binary, {0, 1, 255}));
  EXPECT_EQ(store.GetValue(key, "Missing"), std::nullopt);
  EXPECT_EQ(store.ValueNames(key).size(), 4u);
  EXPECT_EQ(store.Values(key).size(), 4u);

  // Windows itself sees the text whole, in UTF-16.
  wchar_t text[64] = {};
  DWORD size = sizeof text;
  const std::wstring wideKey(key.begin(), key.end());
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, wideKey.c_str(), L"AutomaticPath", RRF_RT_REG_SZ,
                         nullptr, text, &size),
            0);
  EXPECT_EQ(std::wstring(text), L"C:\\\u00C4rger\\\u03A9mega \u6F22\u5B57");

  EXPECT_TRUE(store.DeleteValue(key, "Raw"));
  EXPECT_FALSE(store.DeleteValue(key, "Raw"));
  EXPECT_EQ(store.GetValue(key, "Raw"), std::nullopt);
}

TEST_F(RegistryStoreTest, MissingKeysAreNeitherReadNorCreatedByWriting) {
  const std::string missing = key + "\\Missing";
  EXPECT_FALSE(store.KeyExists(missing));
  EXPECT_FALSE(store.SetValue(missing, "Title", RegValue::String("x")));
  EXPECT_FALSE(store.KeyExists(missing));
  EXPECT_EQ(store.GetValue(missing, "Title"), std::nullopt);
  EXPECT_TRUE(store.ValueNames(missing).empty());

  store.CreateKey(key + "\\A\\B");
  store.CreateKey(key + "\\C");
  EXPECT_EQ(store.SubKeys(key), (std::vector<std::string>{"A", "C"}));
  EXPECT_TRUE(store.DeleteKey(key + "\\A"));
  EXPECT_FALSE(store.KeyExists(key + "\\A\\B"));
  EXPECT_EQ(store.SubKeys(key), (std::vector<std::string>{"C"}));
  EXPECT_FALSE(store.DeleteKey(""));
  EXPECT_TRUE(store.KeyExists("Software"));
}

}  // namespace
