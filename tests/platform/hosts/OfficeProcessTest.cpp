#include "platform/hosts/OfficeProcess.h"

#include <signal.h>
#include <sys/wait.h>

#include <fstream>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

namespace {

using namespace std::chrono_literals;
using platform::hosts::OfficeProcess;

// Whether `pid` has ended (gone or waiting to be collected by whoever adopted it).
bool Ended(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string ignored;
  char state = 0;
  return !(stat >> ignored >> ignored >> state) || state == 'Z';
}

bool EndsSoon(pid_t pid) {
  for (int i = 0; i < 500 && !Ended(pid); ++i) std::this_thread::sleep_for(10ms);
  return Ended(pid);
}

pid_t ReadPid(const std::filesystem::path& file) {
  for (int i = 0; i < 500; ++i) {
    std::ifstream in(file);
    pid_t pid = 0;
    if (in >> pid) return pid;
    std::this_thread::sleep_for(10ms);
  }
  return 0;
}

class OfficeProcessTest : public testing::Test {
 protected:
  testsupport::TempDir temp;
};

TEST_F(OfficeProcessTest, TellsHowTheProcessEnded) {
  OfficeProcess exits("/bin/sh", {"-c", "exit 81"});
  auto status = exits.WaitFor(10s);
  ASSERT_TRUE(status);
  EXPECT_EQ(OfficeProcess::DescribeStatus(*status), "exit code 81");
  try {
    OfficeProcess missing(temp.Path() / "no-such-program", {});
    ADD_FAILURE() << "started";
  } catch (const platform::Error& e) {
    EXPECT_EQ(e.Message(), "Cannot start " + (temp.Path() / "no-such-program").string() +
                               ": No such file or directory");
  }
  OfficeProcess sleeps("/bin/sh", {"-c", "sleep 100"});
  EXPECT_FALSE(sleeps.Status());
  sleeps.Kill();
  EXPECT_EQ(OfficeProcess::DescribeStatus(sleeps.WaitFor(10s).value_or(0)), "signal 9");
}

TEST_F(OfficeProcessTest, KillEndsWhatTheProcessStartedToo) {
  auto pidFile = temp.Path() / "child.pid";
  OfficeProcess parent("/bin/sh", {"-c", "sleep 100 & echo $! > \"$0\"; wait", pidFile.string()});
  pid_t child = ReadPid(pidFile);
  ASSERT_GT(child, 0);
  parent.Kill();
  EXPECT_TRUE(parent.WaitFor(10s));
  EXPECT_TRUE(EndsSoon(child));
}

TEST_F(OfficeProcessTest, TheProcessEndsWhenTheThreadThatStartedItEnds) {
  pid_t pid = 0;
  // The owner disappears without cleaning up, as a killed program would. The process has
  // started when the constructor returns.
  std::thread([&] { pid = (new OfficeProcess("/bin/sh", {"-c", "sleep 100"}))->Pid(); }).join();
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

TEST_F(OfficeProcessTest, TheEnvironmentChangesAndNoOutputReachesUs) {
  auto out = temp.Path() / "out.txt";
  OfficeProcess process(
      "/bin/sh", {"-c", "echo \"$SHEAFMILL_PROBE\" > \"$0\"; echo noise; exit 0", out.string()},
      {{"SHEAFMILL_PROBE", "seen"}});
  ASSERT_TRUE(process.WaitFor(10s));
  std::ifstream in(out);
  std::string text;
  std::getline(in, text);
  EXPECT_EQ(text, "seen");
}

}  // namespace
