#include "convert/Wow64Check.h"

#include <gtest/gtest.h>

namespace {

TEST(Wow64CheckTest, FollowsThePlatformsAnswerAndSaysNoWhenThereIsNone) {
  platform::System system;
  system.SetWow64(true);
  EXPECT_TRUE(IsWow64Windows(system));
  system.SetWow64(false);
  EXPECT_FALSE(IsWow64Windows(system));
  system.SetWow64(std::nullopt);  // the function is missing
  EXPECT_FALSE(IsWow64Windows(system));
}

}  // namespace
