#pragma once
// An advisory lock (flock) on a lock file, held for the object's life. Writers of the store
// hold it exclusively while they re-read, change and replace the store file; readers share it.

#include <filesystem>

namespace platform {

class FileLock {
 public:
  enum class Mode { Shared, Exclusive };

  // Creates the lock file when needed. An exclusive lock that cannot be taken raises
  // platform::Error; a shared one is then skipped, since the store file is only ever replaced
  // whole and a reader sees either the old file or the new one.
  FileLock(const std::filesystem::path& lockFile, Mode mode);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace platform
