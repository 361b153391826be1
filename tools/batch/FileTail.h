#pragma once
// What a worker process has added to one of its files since the last look, up to the end of
// its last whole record, so that its parent passes each record on once and whole.

#include <filesystem>
#include <string>

namespace batch {

class FileTail {
 public:
  // `skip`: bytes at the start that are never passed on (a header).
  explicit FileTail(std::filesystem::path file, size_t skip = 0);

  // The text written since the last call that ends with `end`; empty when none.
  std::string Next(const std::string& end);

 private:
  std::filesystem::path file_;
  size_t read_;  // bytes passed on or skipped
};

}  // namespace batch
