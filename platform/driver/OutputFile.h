#pragma once
// A file that appears in its folder complete or not at all. It is written under a hidden
// temporary name in the target folder (same file system, so the final rename is atomic);
// if it is not published, the temporary file is removed again.

#include <cstdio>
#include <filesystem>
#include <string>

namespace platform::driver {

// The reason of a failed write with the system's error code `error`, for a message.
std::string WriteFailureReason(int error);

class OutputFile {
 public:
  // Creates the temporary file in `folder`; raises platform::Error naming `folderName`
  // (the folder as the user knows it) when the folder cannot be written.
  OutputFile(const std::filesystem::path& folder, const std::string& folderName);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // The stream to write to; it stays owned by this object.
  FILE* Stream() const { return stream_; }
  // Where the data is written until it is published.
  const std::filesystem::path& Temporary() const { return temporary_; }

  // Flushes the data to disk and closes the stream; raises platform::Error naming
  // `targetName` when any write to the stream failed, a full disk as "the disk is full".
  void Close(const std::string& targetName);

  // Closes the stream if still open and gives the file its name, replacing a file of that name.
  // Raises platform::Error naming `targetName` on failure.
  void Replace(const std::filesystem::path& target, const std::string& targetName);
  // The same, but never replaces: false, and nothing published, when `target` exists.
  bool PublishIfFree(const std::filesystem::path& target, const std::string& targetName);

 private:
  std::filesystem::path temporary_;
  FILE* stream_ = nullptr;
  bool published_ = false;
};

}  // namespace platform::driver
