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

// mkstemp fills in these characters of a temporary name.
constexpr char kUniqueChars[] = "XXXXXX";

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : ".";
}

std::string TemporaryPrefix(const std::filesystem::path& file) {
  return "." + file.filename().string() + ".";
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
  std::filesystem::path folder = FolderOf(file);
  struct stat old;
  const bool exists = ::stat(file.c_str(), &old) == 0;
  // The folder's permissions would let the rename replace it; its owner said otherwise.
  if (exists && (old.st_mode & S_IWUSR) == 0) {
    throw Error("Cannot write \"" + file.string() + "\": the file is read-only");
  }
  std::string temp = (folder / (TemporaryPrefix(file) + kUniqueChars)).string();
  int fd = ::mkstemp(temp.data());
  if (fd < 0) Fail("write to the folder", folder);
  if (exists) ::fchmod(fd, old.st_mode & 07777);
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

void RemoveStaleTemporaries(const std::filesystem::path& file) {
  const std::string prefix = TemporaryPrefix(file);
  const size_t length = prefix.size() + sizeof kUniqueChars - 1;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(FolderOf(file), error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() == length && name.starts_with(prefix)) {
      std::filesystem::remove(entry.path(), error);
    }
  }
}

}  // namespace platform
