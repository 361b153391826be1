#include "platform/Error.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(EInOutErrorTest, MessagesFollowTheOperatingSystemCode) {
  EXPECT_EQ(EInOutError(2).Message(), "File not found");
  EXPECT_EQ(EInOutError(3).Message(), "Invalid filename");
  EXPECT_EQ(EInOutError(4).Message(), "Too many open files");
  EXPECT_EQ(EInOutError(5).Message(), "File access denied");
  EXPECT_EQ(EInOutError(21).Message(), "I/O error 21");
  EXPECT_EQ(EInOutError(21).Code(), 21);
}

TEST(EListErrorTest, OutOfBoundsNamesTheIndex) {
  EXPECT_EQ(EListError::OutOfBounds(-1).Message(), "List index out of bounds (-1)");
  EXPECT_EQ(EListError::OutOfBounds(12).Message(), "List index out of bounds (12)");
}

}  // namespace
}  // namespace platform
