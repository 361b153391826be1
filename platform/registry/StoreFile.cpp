#include "platform/registry/StoreFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Error.h"

namespace platform {
namespace {

[[noreturn]] void Fail(const std::string& action, const std::filesystem::path& file) {
  throw Error("Cannot " + action + " \"" + file.string() + "\": " + std::strerror(errno));
}

bool WriteAll(int fd, const std::string& content) {
  for (size_t done = 0; done < content.size();) {
    ssize_t written = ::write(fd, content.data() + done, content.size() - done);
    if (written < 0 && errno != EINTR) return false;
    if (written > 0) done += static_cast<size_t>(written);
  }
  return true;
}

void SyncFolder(const std::filesystem::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) return std::nullopt;
  if (fd < 0) Fail("read", file);
  std::string content;
  char buffer[65536];
  ssize_t count;
  while ((count = ::read(fd, buffer, sizeof buffer)) != 0) {
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) {
      int error = errno;
      ::close(fd);
      errno = error;
      Fail("read", file);
    }
    content.append(buffer, static_cast<size_t>(count));
  }
  ::close(fd);
  return content;
}

void ReplaceFile(const std::filesystem::path& file, const std::string& content) {
  std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
  std::string temp = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(temp.data());
  if (fd < 0) Fail("write to the folder", folder);
  struct stat old;
  if (::stat(file.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
  bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temp.c_str(), file.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    errno = error;
    Fail("write", file);
  }
  SyncFolder(folder);
}

}  // namespace platform
