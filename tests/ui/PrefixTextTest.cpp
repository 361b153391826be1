#include "ui/PrefixText.h"

#include <gtest/gtest.h>

namespace {

TEST(PrefixTextTest, AnAmpersandHidesItselfAndUnderlinesTheNextCharacter) {
  const ui::PrefixText file = ui::ParsePrefix("&File");
  EXPECT_EQ(file.shown, "File");
  EXPECT_EQ(file.underline, 0);
  EXPECT_EQ(file.underlineSize, 1);

  const ui::PrefixText middle = ui::ParsePrefix("Print&er");
  EXPECT_EQ(middle.shown, "Printer");
  EXPECT_EQ(middle.underline, 5);
}

TEST(PrefixTextTest, ADoubledAmpersandShowsOneAndUnderlinesNothing) {
  const ui::PrefixText both = ui::ParsePrefix("Smith && Sons");
  EXPECT_EQ(both.shown, "Smith & Sons");
  EXPECT_EQ(both.underline, -1);

  const ui::PrefixText three = ui::ParsePrefix("A&&&B");
  EXPECT_EQ(three.shown, "A&B");
  EXPECT_EQ(three.underline, 2);
}

TEST(PrefixTextTest, OnlyTheFirstPrefixUnderlinesAndALoneTrailingAmpersandVanishes) {
  const ui::PrefixText twice = ui::ParsePrefix("&a&b&");
  EXPECT_EQ(twice.shown, "ab");
  EXPECT_EQ(twice.underline, 0);
  EXPECT_EQ(ui::ParsePrefix("&").shown, "");
  EXPECT_EQ(ui::ParsePrefix("").underline, -1);
}

TEST(PrefixTextTest, TheUnderlinedCharacterIsAWholeUtf8Sequence) {
  const ui::PrefixText text = ui::ParsePrefix("Dru&cker \xC3\xBC");
  EXPECT_EQ(text.underline, 3);
  EXPECT_EQ(text.underlineSize, 1);

  const ui::PrefixText umlaut = ui::ParsePrefix("Gr&\xC3\xBC\x6E");
  EXPECT_EQ(umlaut.shown, "Gr\xC3\xBCn");
  EXPECT_EQ(umlaut.underline, 2);
  EXPECT_EQ(umlaut.underlineSize, 2);
}

}  // namespace
