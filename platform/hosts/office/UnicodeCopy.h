#pragma once
// A web page in UTF-8 for the office, which reads a page that declares no character set as
// UTF-8 and takes no other character set from outside. The copy is made in the instance's
// folder and goes when this object does; the load names the original as the document's base,
// so that the page's pictures are still found beside the original.

#include <filesystem>
#include <string>

namespace platform::hosts::uno {

class UnicodeCopy {
 public:
  // Copies `file`, whose bytes are in `charset` (an IANA name), into `folder` in UTF-8 with a
  // byte-order mark. Makes nothing when `charset` is empty or not known, or the file cannot
  // be read: the office reads the file itself then. Raises platform::Error when the copy
  // cannot be written.
  UnicodeCopy(const std::filesystem::path& file, const std::string& charset,
              const std::filesystem::path& folder);
  ~UnicodeCopy();
  UnicodeCopy(const UnicodeCopy&) = delete;
  UnicodeCopy& operator=(const UnicodeCopy&) = delete;

  // Empty when nothing was copied.
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace platform::hosts::uno
