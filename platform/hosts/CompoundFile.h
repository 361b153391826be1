#pragma once
// The directory of a compound file, the container of Office 97 documents and of encrypted
// Office Open XML packages: enough of it to tell what the container holds without the
// office.

#include <filesystem>
#include <set>
#include <string>

namespace platform::hosts {

class CompoundFile {
 public:
  // Reads the directory of `file`; a file that is no compound file, or whose directory cannot
  // be read, has no entries.
  explicit CompoundFile(const std::filesystem::path& file);

  bool Has(const std::string& name) const { return names_.contains(name); }
  // Whether its contents are encrypted: an encrypted Office Open XML package, or an Office
  // 97 document whose properties are encrypted with it.
  bool Encrypted() const { return Has("EncryptedPackage") || Has("EncryptedSummary"); }

 private:
  std::set<std::string> names_;  // ASCII names only; others are of no interest here
};

}  // namespace platform::hosts
