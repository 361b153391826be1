#include "platform/driver/OutputFile.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "platform/Error.h"
#include "platform/driver/DriverNames.h"

namespace platform::driver {

namespace {

std::string Failure(const std::string& what, int error) {
  return std::string(PrinterName) + ": " + what + " (" + WriteFailureReason(error) + ")";
}

// Opens a new file of a name no other writer uses: the process id tells processes apart,
// the counter the jobs of one process. O_EXCL makes a clash with a leftover impossible.
int CreateTemporary(const std::filesystem::path& folder, std::filesystem::path& created) {
  static std::atomic<unsigned> counter{0};
  for (;;) {
    created = folder / (".~sheafmill-driver-" + std::to_string(getpid()) + "-" +
                        std::to_string(counter++) + ".tmp");
    int fd = open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
}

}  // namespace

std::string WriteFailureReason(int error) {
  if (error == ENOSPC || error == EDQUOT) return "the disk is full";
  return std::strerror(error);
}

OutputFile::OutputFile(const std::filesystem::path& folder, const std::string& folderName) {
  int fd = CreateTemporary(folder, temporary_);
  if (fd < 0) throw Error(Failure("cannot write to folder '" + folderName + "'", errno));
  stream_ = fdopen(fd, "wb");
  if (stream_ == nullptr) {
    int error = errno;
    close(fd);
    unlink(temporary_.c_str());
    throw Error(Failure("cannot write to folder '" + folderName + "'", error));
  }
  // From here on only the stream's writes set errno, so that Close can name their failure.
  errno = 0;
}

OutputFile::~OutputFile() {
  if (stream_ != nullptr) fclose(stream_);
  if (!published_) unlink(temporary_.c_str());
}

void OutputFile::Close(const std::string& targetName) {
  int error = 0;
  // A write that failed earlier leaves only the stream's error flag and errno: the data it
  // dropped is gone, and a later flush of the empty buffer succeeds.
  if (ferror(stream_) != 0) error = errno != 0 ? errno : EIO;
  if (error == 0 && (fflush(stream_) != 0 || fsync(fileno(stream_)) != 0)) error = errno;
  if (fclose(stream_) != 0 && error == 0) error = errno;
  stream_ = nullptr;
  if (error != 0) throw Error(Failure("cannot write '" + targetName + "'", error));
}

void OutputFile::Replace(const std::filesystem::path& target, const std::string& targetName) {
  if (stream_ != nullptr) Close(targetName);
  if (rename(temporary_.c_str(), target.c_str()) != 0) {
    throw Error(Failure("cannot write '" + targetName + "'", errno));
  }
  published_ = true;
}

bool OutputFile::PublishIfFree(const std::filesystem::path& target, const std::string& targetName) {
  if (stream_ != nullptr) Close(targetName);
  int result = renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE);
  // File systems without the no-replace rename still refuse a hard link onto an existing name.
  if (result != 0 && errno == EINVAL) {
    result = link(temporary_.c_str(), target.c_str());
    if (result == 0) unlink(temporary_.c_str());
  }
  if (result == 0) {
    published_ = true;
    return true;
  }
  if (errno == EEXIST) return false;
  throw Error(Failure("cannot write '" + targetName + "'", errno));
}

}  // namespace platform::driver
