#include "platform/hosts/OfficeProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "platform/Error.h"

extern char** environ;

namespace platform::hosts {
namespace {

std::vector<std::string> MergedEnvironment(const std::map<std::string, std::string>& changes) {
  std::vector<std::string> merged;
  for (char** entry = environ; *entry; ++entry) {
    std::string text = *entry;
    if (!changes.contains(text.substr(0, text.find('=')))) merged.push_back(text);
  }
  for (const auto& [name, value] : changes) merged.push_back(name + "=" + value);
  return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// In the child, between fork and exec: only calls that are safe after forking a process with
// threads.
[[noreturn]] void RunChild(pid_t parent, int nullFd, char** argv, char** envp) {
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  // The parent may have ended before the death signal was asked for.
  if (::getppid() != parent) ::_exit(127);
  ::setpgid(0, 0);
  ::dup2(nullFd, STDIN_FILENO);
  ::dup2(nullFd, STDOUT_FILENO);
  ::dup2(nullFd, STDERR_FILENO);
  ::close_range(3, ~0U, 0);
  ::execve(argv[0], argv, envp);
  ::_exit(127);
}

}  // namespace

OfficeProcess::OfficeProcess(const std::filesystem::path& executable,
                             const std::vector<std::string>& arguments,
                             const std::map<std::string, std::string>& environment) {
  // Everything the child needs is made before the fork.
  std::vector<std::string> argvTexts{executable.string()};
  argvTexts.insert(argvTexts.end(), arguments.begin(), arguments.end());
  std::vector<std::string> envTexts = MergedEnvironment(environment);
  std::vector<char*> argv = Pointers(argvTexts);
  std::vector<char*> envp = Pointers(envTexts);
  int nullFd = ::open("/dev/null", O_RDWR | O_CLOEXEC);
  if (nullFd < 0) throw Error("Cannot open /dev/null: " + std::string(std::strerror(errno)));
  pid_t parent = ::getpid();
  pid_ = ::fork();
  if (pid_ == 0) RunChild(parent, nullFd, argv.data(), envp.data());
  int forkError = errno;
  ::close(nullFd);
  if (pid_ < 0) {
    throw Error("Cannot start " + executable.string() + ": " + std::strerror(forkError));
  }
  // Also here, so that Kill reaches the group even before the child has run.
  ::setpgid(pid_, pid_);
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
