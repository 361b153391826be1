#include "tools/printui/EmbeddedFonts.h"

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "platform/driver/DriverNames.h"
#include "tests/support/TempDir.h"

namespace {

using platform::RegValue;
using platform::driver::SettingsKey;
using Families = std::vector<std::string>;

class EmbeddedFontsTest : public ::testing::Test {
 protected:
  testsupport::TempDir temp;
  platform::RegistryStore store{temp.Path()};
};

TEST_F(EmbeddedFontsTest, TheChoiceAndItsCountAreStoredWhereTheProgramReadsThem) {
  printui::EmbeddedFonts::Write(store, {"Liberation Sans", "DejaVu Serif", "Noto Sans CJK JP"});
  EXPECT_EQ(store.GetValue(SettingsKey, "EmbedFonts"),
            RegValue::String("Liberation Sans;DejaVu Serif;Noto Sans CJK JP"));
  EXPECT_EQ(store.GetValue(SettingsKey, "EmbedNum"), RegValue::Dword(3));
  EXPECT_EQ(store.GetValue(SettingsKey, "AllIndex"), RegValue::Dword(3));
  EXPECT_EQ(printui::EmbeddedFonts::Read(store),
            (Families{"Liberation Sans", "DejaVu Serif", "Noto Sans CJK JP"}));

  printui::EmbeddedFonts::Write(store, {});
  EXPECT_EQ(store.GetValue(SettingsKey, "EmbedFonts"), RegValue::String(""));
  EXPECT_EQ(store.GetValue(SettingsKey, "EmbedNum"), RegValue::Dword(0));
  EXPECT_EQ(printui::EmbeddedFonts::Read(store), Families{});
}

TEST_F(EmbeddedFontsTest, NothingStoredReadsAsNoFamiliesAndEmptyPiecesAreSkipped) {
  EXPECT_EQ(printui::EmbeddedFonts::Read(store), Families{});
  store.CreateKey(SettingsKey);
  EXPECT_EQ(printui::EmbeddedFonts::Read(store), Families{});
  store.SetValue(SettingsKey, "EmbedFonts", RegValue::String(";A;;B;"));
  EXPECT_EQ(printui::EmbeddedFonts::Read(store), (Families{"A", "B"}));
}

TEST_F(EmbeddedFontsTest, ADamagedChoiceIsReportedAndAnUnstorableNameRefused) {
  store.CreateKey(SettingsKey);
  store.SetValue(SettingsKey, "EmbedFonts", RegValue::Dword(2));
  EXPECT_THROW(printui::EmbeddedFonts::Read(store), platform::Error);

  store.SetValue(SettingsKey, "EmbedNum", RegValue::Dword(5));
  EXPECT_THROW(printui::EmbeddedFonts::Write(store, {"Fine", "Semi;colon"}), platform::Error);
  EXPECT_EQ(store.GetValue(SettingsKey, "EmbedNum"), RegValue::Dword(5));
  EXPECT_FALSE(printui::EmbeddedFonts::Storable(""));
}

}  // namespace
