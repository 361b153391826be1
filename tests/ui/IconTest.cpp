#include "ui/Icon.h"

#include <gtest/gtest.h>

#include "platform/Error.h"

namespace {

TEST(IconTest, ReadsTheFourNumbersOfTheHeader) {
  static const char* const xpm[] = {"32 16 4 1", ". c None"};
  ui::XpmHeader header = ui::ReadXpmHeader({xpm});
  EXPECT_EQ(header.width, 32);
  EXPECT_EQ(header.height, 16);
  EXPECT_EQ(header.colours, 4);
  EXPECT_EQ(header.charsPerPixel, 1);
}

TEST(IconTest, RefusesAMissingOrBrokenHeader) {
  static const char* const broken[] = {"32 x 4 1"};
  static const char* const zero[] = {"0 32 4 1"};
  EXPECT_THROW(ui::ReadXpmHeader({nullptr}), platform::Error);
  EXPECT_THROW(ui::ReadXpmHeader({broken}), platform::Error);
  EXPECT_THROW(ui::ReadXpmHeader({zero}), platform::Error);
}

}  // namespace
