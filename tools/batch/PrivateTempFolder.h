#pragma once
// A temporary folder of the process's own, made the system's temporary folder (TMPDIR) for
// the process and the offices it starts: their spool files, profiles and temporary files
// all land in it, so that one removal leaves nothing behind, also when the process has to
// end at once in the middle of a run.

#include <filesystem>

namespace batch {

class PrivateTempFolder {
 public:
  // Made inside the temporary folder in effect, named after the process; the folders of
  // earlier runs that were killed are removed first. Call it before any thread starts, since
  // it changes the environment.
  PrivateTempFolder();
  ~PrivateTempFolder() { Remove(); }
  PrivateTempFolder(const PrivateTempFolder&) = delete;
  PrivateTempFolder& operator=(const PrivateTempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Removes the folder with all that is in it; what cannot be removed stays.
  void Remove() const;

 private:
  std::filesystem::path path_;
};

}  // namespace batch
