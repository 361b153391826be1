#include "platform/registry/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Error.h"

namespace platform {

FileLock::FileLock(const std::filesystem::path& lockFile, Mode mode) {
  fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  int result = -1;
  if (fd_ >= 0) {
    do {
      result = ::flock(fd_, mode == Mode::Exclusive ? LOCK_EX : LOCK_SH);
    } while (result != 0 && errno == EINTR);
  }
  if (result == 0) return;
  std::string reason = std::strerror(errno);
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (mode == Mode::Exclusive) {
    throw Error("Cannot lock \"" + lockFile.string() + "\": " + reason);
  }
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace platform
