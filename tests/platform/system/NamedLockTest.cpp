#include "platform/system/NamedLock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/TempDir.h"

namespace platform {
namespace {

TEST(NamedLockTest, OneHolderAtATimeNamedByItsProcessAndFreedWhenItIsKilled) {
  testsupport::TempDir temp;
  const Locks locks(temp.Path() / "profile");
  const auto mine = locks.Open("pdf-driver");
  const auto other = locks.Open("pdf-driver");
  EXPECT_EQ(mine->Holder(), "");
  ASSERT_TRUE(mine->TryAcquire());
  EXPECT_TRUE(mine->TryAcquire());
  // A second holder in the same process is refused as one in another process would be.
  EXPECT_FALSE(other->TryAcquire());
  EXPECT_EQ(other->Problem(), "");
  EXPECT_EQ(other->Holder(), NamedLock::ThisProcess());
  EXPECT_TRUE(other->HeldByThisProcess());
  mine->Release();
  EXPECT_EQ(other->Holder(), "");

  // A holder that is killed gives the lock up; its name stays in the file but counts no more.
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    const auto held = locks.Open("pdf-driver");
    if (held->TryAcquire() && ::write(ready[1], "x", 1) == 1) ::pause();
    ::_exit(1);
  }
  char byte = 0;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  EXPECT_FALSE(other->TryAcquire());
  EXPECT_NE(other->Holder().find("(process " + std::to_string(child) + ")"), std::string::npos)
      << other->Holder();
  EXPECT_FALSE(other->HeldByThisProcess());
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_EQ(other->Holder(), "");
  EXPECT_TRUE(other->TryAcquire());
  ::close(ready[0]);
  ::close(ready[1]);
}

TEST(NamedLockTest, ALockFileThatCannotBeMadeSaysWhy) {
  testsupport::TempDir temp;
  temp.WriteFile("profile", "a file where the folder should be");
  const auto lock = Locks(temp.Path() / "profile").Open("pdf-driver");
  EXPECT_FALSE(lock->TryAcquire());
  EXPECT_EQ(lock->Problem(), "Cannot open \"" +
                                 (temp.Path() / "profile" / "pdf-driver.lock").string() +
                                 "\": Not a directory");
}

}  // namespace
}  // namespace platform
