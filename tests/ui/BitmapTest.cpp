#include "ui/Bitmap.h"

#include <gtest/gtest.h>

#include "platform/Error.h"

namespace {

const char* const kTwoByTwo[] = {
    "3 2 2 1", "o c #808000", "r c #FF0000", "ror", "oor",
};

TEST(BitmapTest, ReadsTheSizeAndEveryPixelOfAnXpm) {
  const ui::Bitmap bitmap(ui::Icon{kTwoByTwo});
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.Pixel(0, 1), (ui::Rgb{128, 128, 0}));
  EXPECT_EQ(bitmap.Pixel(0, 0), (ui::Rgb{255, 0, 0}));
  EXPECT_EQ(bitmap.Pixel(1, 0), (ui::Rgb{128, 128, 0}));
  EXPECT_EQ(bitmap.Pixel(2, 1), (ui::Rgb{255, 0, 0}));
  EXPECT_THROW(bitmap.Pixel(3, 0), platform::Error);
  EXPECT_THROW(bitmap.Pixel(0, -1), platform::Error);
}

TEST(BitmapTest, RefusesTransparencyUnknownColoursAndRowsOfTheWrongWidth) {
  const char* const none[] = {"1 1 1 1", ". c None", "."};
  EXPECT_THROW(ui::Bitmap(ui::Icon{none}), platform::Error);
  const char* const undeclared[] = {"2 1 1 1", "o c #000000", "ox"};
  EXPECT_THROW(ui::Bitmap(ui::Icon{undeclared}), platform::Error);
  const char* const narrow[] = {"2 1 1 1", "o c #000000", "o"};
  EXPECT_THROW(ui::Bitmap(ui::Icon{narrow}), platform::Error);
  const char* const header[] = {"two by one", "o c #000000", "oo"};
  EXPECT_THROW(ui::Bitmap(ui::Icon{header}), platform::Error);
}

}  // namespace
