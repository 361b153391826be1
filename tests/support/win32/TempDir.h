#pragma once
// A temporary folder under %TEMP% for one test, removed with everything in it when the test
// ends. Names and paths are UTF-8, as the platform's are.

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
  // The folder's path, or a path below it, as a UTF-8 drive path.
  std::string Win(const std::string& relative = "") const;
  // Creates a folder (and its parents) below the temporary folder and returns its path.
  std::string MakeDir(const std::string& relative) const;
  // Writes a file below the temporary folder and returns its path.
  std::string WriteFile(const std::string& relative, const std::string& content) const;

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::string& file);

}  // namespace testsupport
