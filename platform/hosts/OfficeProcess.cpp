#include "platform/hosts/OfficeProcess.h"

#include <fcntl.h>
#include <linux/close_range.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "platform/Error.h"
#include "platform/system/ChildEnvironment.h"

namespace platform::hosts {
namespace {

// What the child needs, all made before the fork.
struct ChildSetUp {
  pid_t parent;
  int nullFd;
  int statusFd;  // closes at exec; before that, carries the errno of a failed exec
  int maxFd;
  char** argv;
  char** envp;
};

// In the child, between fork and exec: only calls that are safe after forking a process with
// threads.
[[noreturn]] void RunChild(const ChildSetUp& setUp) {
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  // The parent may have ended before the death signal was asked for.
  if (::getppid() != setUp.parent) ::_exit(127);
  ::setpgid(0, 0);
  ::dup2(setUp.nullFd, STDIN_FILENO);
  ::dup2(setUp.nullFd, STDOUT_FILENO);
  ::dup2(setUp.nullFd, STDERR_FILENO);
  if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
    for (int fd = 3; fd < setUp.maxFd; ++fd) {
      if (fd != setUp.statusFd) ::close(fd);
    }
  }
  ::execve(setUp.argv[0], setUp.argv, setUp.envp);
  int error = errno;
  [[maybe_unused]] ssize_t written = ::write(setUp.statusFd, &error, sizeof error);
  ::_exit(127);
}

// The errno of the child's failed exec, or 0 once the exec has closed the pipe.
int ExecError(int statusFd) {
  int error = 0;
  ssize_t got;
  do {
    got = ::read(statusFd, &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

}  // namespace

OfficeProcess::OfficeProcess(const std::filesystem::path& executable,
                             const std::vector<std::string>& arguments,
                             const std::map<std::string, std::string>& environment) {
  // Everything the child needs is made before the fork.
  std::vector<std::string> argvTexts{executable.string()};
  argvTexts.insert(argvTexts.end(), arguments.begin(), arguments.end());
  std::vector<std::string> changes;
  for (const auto& [name, value] : environment) changes.push_back(name + "=" + value);
  std::vector<std::string> envTexts = ChildEnvironment(changes);
  std::vector<char*> argv = ExecPointers(argvTexts);
  std::vector<char*> envp = ExecPointers(envTexts);
  int status[2];
  if (::pipe2(status, O_CLOEXEC) != 0) throw StartError(executable, errno);
  int nullFd = ::open("/dev/null", O_RDWR | O_CLOEXEC);
  ChildSetUp setUp{::getpid(),  nullFd,     status[1], static_cast<int>(::sysconf(_SC_OPEN_MAX)),
                   argv.data(), envp.data()};
  pid_ = nullFd < 0 ? -1 : ::fork();
  if (pid_ == 0) RunChild(setUp);
  int forkError = errno;
  ::close(status[1]);
  if (nullFd >= 0) ::close(nullFd);
  if (pid_ < 0) {
    ::close(status[0]);
    throw StartError(executable, forkError);
  }
  // Also here, so that Kill reaches the group even before the child has run.
  ::setpgid(pid_, pid_);
  // Returns once the child runs the program, its death signal armed.
  int execError = ExecError(status[0]);
  ::close(status[0]);
  if (execError != 0) {
    Reap(0);
    throw StartError(executable, execError);
  }
}

Error OfficeProcess::StartError(const std::filesystem::path& executable, int error) {
  return Error("Cannot start " + executable.string() + ": " + std::strerror(error));
}

OfficeProcess::~OfficeProcess() {
  Kill();
  Reap(0);
}

std::optional<int> OfficeProcess::Status() {
  Reap(WNOHANG);
  return status_;
}

std::optional<int> OfficeProcess::WaitFor(std::chrono::milliseconds limit) {
  auto deadline = std::chrono::steady_clock::now() + limit;
  while (!Reap(WNOHANG) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return status_;
}

void OfficeProcess::Kill() {
  std::lock_guard lock(mutex_);
  // Once collected, the process id may belong to someone else.
  if (!status_) ::kill(-pid_, SIGKILL);
}

bool OfficeProcess::Reap(int options) {
  std::lock_guard lock(mutex_);
  if (status_) return true;
  int status = 0;
  pid_t result;
  do {
    result = ::waitpid(pid_, &status, options);
  } while (result < 0 && errno == EINTR);
  if (result == pid_) {
    status_ = status;
    // What the process started may still run in its group.
    ::kill(-pid_, SIGKILL);
  }
  return status_.has_value();
}

std::string OfficeProcess::DescribeStatus(int status) {
  if (WIFEXITED(status)) return "exit code " + std::to_string(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) return "signal " + std::to_string(WTERMSIG(status));
  return "status " + std::to_string(status);
}

}  // namespace platform::hosts
