#pragma once
// A name the office can open a file by. The office names files in Unicode and turns a URL
// into a path by the locale's character set, so a path whose bytes are not UTF-8 cannot
// reach it, escaped or not. Such a file is opened through a symbolic link of a plain name in
// the instance's folder, which goes when the alias does; the office keeps what it opened.

#include <filesystem>

namespace platform::hosts::uno {

class FileAlias {
 public:
  // `file` itself when its path is UTF-8, else a new link to it in `folder`. Raises
  // platform::Error when the link cannot be made.
  FileAlias(const std::filesystem::path& file, const std::filesystem::path& folder);
  ~FileAlias();
  FileAlias(const FileAlias&) = delete;
  FileAlias& operator=(const FileAlias&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
  bool linked_ = false;
};

}  // namespace platform::hosts::uno
