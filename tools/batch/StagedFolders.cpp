#include "tools/batch/StagedFolders.h"

#include <fstream>
#include <iterator>

#include "platform/Error.h"

namespace batch {
namespace {

// Fields end with a NUL byte, which no path holds.
constexpr size_t kFields = 5;

std::string Shown(const std::string& drivePath) {
  return drivePath + "\\";
}

}  // namespace

StagedFolders StagedFolders::Read(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw platform::Error("The worker's plan " + file.string() + " cannot be read");
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> fields;
  for (size_t start = 0, end; (end = text.find('\0', start)) != std::string::npos;
       start = end + 1) {
    fields.push_back(text.substr(start, end - start));
  }
  if (fields.empty() || fields.size() % kFields != 0) {
    throw platform::Error("The worker's plan " + file.string() + " cannot be read");
  }
  std::vector<StagedFolder> folders;
  for (size_t i = 0; i < fields.size(); i += kFields) {
    folders.push_back({fields[i], fields[i + 1], fields[i + 2], fields[i + 3], fields[i + 4]});
  }
  return StagedFolders(std::move(folders));
}

void StagedFolders::Write(const std::filesystem::path& file) const {
  std::ofstream out(file, std::ios::binary);
  for (const StagedFolder& folder : folders_) {
    for (const std::string& field :
         {folder.stagingDrive, folder.destinationDrive, folder.sourceDrive,
          folder.stagingHost.string(), folder.sourceHost.string()}) {
      out << field << '\0';
    }
  }
  if (!out.flush())
    throw platform::Error("The worker's plan " + file.string() + " cannot be written");
}

std::string StagedFolders::Text(std::string text) const {
  for (const StagedFolder& folder : folders_) {
    const std::string staged = Shown(folder.stagingDrive);
    const std::string user = Shown(folder.sourceDrive);
    for (size_t at = text.find(staged); at != std::string::npos;
         at = text.find(staged, at + user.size())) {
      text.replace(at, staged.size(), user);
    }
  }
  return text;
}

std::string StagedFolders::Host(const std::string& hostPath) const {
  const std::filesystem::path path(hostPath);
  for (const StagedFolder& folder : folders_) {
    if (path.parent_path() == folder.stagingHost) {
      return (folder.sourceHost / path.filename()).string();
    }
  }
  return hostPath;
}

}  // namespace batch
