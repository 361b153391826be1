#include "platform/hosts/Watchdog.h"

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using platform::hosts::Watchdog;
using platform::hosts::WatchdogScope;

TEST(WatchdogTest, ActsOnceWhenWorkOutlastsTheLimit) {
  std::atomic<int> actions{0};
  Watchdog watchdog([&] { ++actions; });
  {
    WatchdogScope scope(watchdog, 20ms);
    while (actions == 0) std::this_thread::sleep_for(1ms);
    std::this_thread::sleep_for(50ms);
  }
  EXPECT_EQ(actions, 1);
  EXPECT_TRUE(watchdog.Expired());
}

TEST(WatchdogTest, WorkThatEndsInTimeIsLeftAlone) {
  std::atomic<int> actions{0};
  Watchdog watchdog([&] { ++actions; });
  for (int i = 0; i < 3; ++i) WatchdogScope scope(watchdog, 10min);
  EXPECT_FALSE(watchdog.Expired());
  // A later limit that expires is a new verdict; a new Arm clears it again.
  {
    WatchdogScope scope(watchdog, 1ms);
    while (!watchdog.Expired()) std::this_thread::sleep_for(1ms);
  }
  WatchdogScope scope(watchdog, 10min);
  EXPECT_FALSE(watchdog.Expired());
  EXPECT_EQ(actions, 1);
}

}  // namespace
