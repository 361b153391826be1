#pragma once
// A temporary folder for one test, removed with everything in it when the test ends.

#include <filesystem>
#include <string>

namespace testsupport {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Creates a folder (and its parents) below the temporary folder and returns its path.
  std::filesystem::path MakeDir(const std::string& relative) const;
  // Writes a file below the temporary folder and returns its path.
  std::filesystem::path WriteFile(const std::string& relative, const std::string& content) const;

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& file);

}  // namespace testsupport
