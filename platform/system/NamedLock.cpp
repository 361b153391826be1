#include "platform/system/NamedLock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <system_error>

namespace platform {
namespace {

int FlockRetrying(int fd, int operation) {
  int result = 0;
  do {
    result = ::flock(fd, operation);
  } while (result != 0 && errno == EINTR);
  return result;
}

}  // namespace

std::string NamedLock::ThisProcess() {
  return std::string(program_invocation_short_name) + " (process " + std::to_string(::getpid()) +
         ")";
}

NamedLock::NamedLock(std::filesystem::path lockFile) : file_(std::move(lockFile)) {}

bool NamedLock::TryAcquire() {
  if (Held()) return true;
  problem_.clear();
  std::error_code ignored;
  std::filesystem::create_directories(file_.parent_path(), ignored);
  const int fd = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    problem_ = "Cannot open \"" + file_.string() + "\": " + std::strerror(errno);
    return false;
  }
  if (FlockRetrying(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK)
      problem_ = "Cannot lock \"" + file_.string() + "\": " + std::strerror(errno);
    ::close(fd);
    return false;
  }
  // The name of a holder that has gone stays in the file; the lock itself says whether it
  // is held.
  const std::string text = ThisProcess();
  if (::ftruncate(fd, 0) == 0) {
    [[maybe_unused]] const ssize_t written = ::pwrite(fd, text.data(), text.size(), 0);
  }
  fd_ = fd;
  return true;
}

void NamedLock::Release() {
  if (!Held()) return;
  ::close(fd_);
  fd_ = -1;
}

std::string NamedLock::Holder() const {
  if (Held()) return ThisProcess();
  const int fd = ::open(file_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return "";
  const bool free = FlockRetrying(fd, LOCK_SH | LOCK_NB) == 0;
  ::close(fd);
  if (free) return "";
  std::ifstream in(file_);
  std::string text;
  std::getline(in, text);
  return text.empty() ? "another program" : text;
}

}  // namespace platform
