#pragma once
// The folders that one worker of a parallel run converts. The worker cannot be told to leave
// documents of a folder out, so each folder is staged: a folder of links to the documents the
// worker owns, on a drive of the worker's own profile, converted into the real destination.
// The names the window shows and reports (drive paths of the staged folder) are written back
// as the user's folders, so that a worker speaks as a run over the user's folders would.

#include <filesystem>
#include <string>
#include <vector>

namespace batch {

struct StagedFolder {
  std::string stagingDrive;  // drive paths, without a trailing "\"
  std::string destinationDrive;
  std::string sourceDrive;
  std::filesystem::path stagingHost;
  std::filesystem::path sourceHost;
};

class StagedFolders {
 public:
  StagedFolders() = default;
  explicit StagedFolders(std::vector<StagedFolder> folders) : folders_(std::move(folders)) {}

  // The plan file that the parent writes for a worker; Read raises platform::Error for a
  // file that is missing or damaged.
  static StagedFolders Read(const std::filesystem::path& file);
  void Write(const std::filesystem::path& file) const;

  const std::vector<StagedFolder>& Folders() const { return folders_; }
  // `text` with every staged folder's drive path (as the window shows it, spelt as on the
  // disk) put back as the user's folder.
  std::string Text(std::string text) const;
  // A host path in a staged folder as the user's document it links to.
  std::string Host(const std::string& hostPath) const;

 private:
  std::vector<StagedFolder> folders_;
};

}  // namespace batch
