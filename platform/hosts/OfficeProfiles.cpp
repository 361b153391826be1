#include "platform/hosts/OfficeProfiles.h"

#include <unistd.h>

#include <fstream>

#include "platform/Error.h"
#include "platform/hosts/FileUrl.h"
#include "platform/hosts/OfficeProcess.h"

namespace fs = std::filesystem;

namespace platform::hosts {
namespace {

constexpr auto kSetUpLimit = std::chrono::seconds(60);
// Marks a template that was copied completely.
constexpr char kReadyMark[] = "ready";

}  // namespace

OfficeProfiles::OfficeProfiles(OfficeInstallation office, fs::path templateFolder)
    : office_(std::move(office)), templateFolder_(std::move(templateFolder)) {}

void OfficeProfiles::Make(const fs::path& profile) const {
  std::error_code error;
  if (!templateFolder_.empty() && fs::exists(TemplatePath() / kReadyMark, error)) {
    fs::create_directories(profile, error);
    if (!error)
      fs::copy(TemplatePath() / "user", profile / "user", fs::copy_options::recursive, error);
    if (!error) return;
    fs::remove_all(profile, error);
  }
  SetUp(profile);
  if (!templateFolder_.empty()) KeepAsTemplate(profile);
}

void OfficeProfiles::Seed(const fs::path& profile, const std::string& version) {
  fs::create_directories(profile / "user");
  std::ofstream out(profile / "user" / "registrymodifications.xcu");
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
         "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
         "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
         "<item oor:path=\"/org.openoffice.Setup/Product\"><prop oor:name=\"ooSetupLastVersion\" "
         "oor:op=\"fuse\"><value>"
      << version
      << "</value></prop></item>\n"
         "</oor:items>\n";
  if (!out.flush()) throw Error("Cannot write the office profile in " + profile.string());
}

fs::path OfficeProfiles::TemplatePath() const {
  return templateFolder_ / ("profile-" + office_.fullVersion);
}

void OfficeProfiles::SetUp(const fs::path& profile) const {
  Seed(profile, office_.version);
  OfficeProcess office(
      office_.Executable(),
      {"-env:UserInstallation=" + FileUrl(profile), "--headless", "--invisible", "--nologo",
       "--norestore", "--nodefault", "--nolockcheck", "--terminate_after_init"},
      {{"TMPDIR", profile.string()}});
  std::optional<int> status = office.WaitFor(kSetUpLimit);
  if (!status || !WIFEXITED(*status) || WEXITSTATUS(*status) != 0) {
    throw Error("LibreOffice could not set up a user profile in " + profile.string() + " (" +
                (status ? OfficeProcess::DescribeStatus(*status) : "no answer within 60 s") + ")");
  }
}

// Copied under a temporary name and renamed, so that a program running at the same time sees
// either no template or a complete one.
void OfficeProfiles::KeepAsTemplate(const fs::path& profile) const {
  std::error_code error;
  fs::create_directories(templateFolder_, error);
  fs::path partial = TemplatePath();
  partial += ".partial-" + std::to_string(::getpid());
  fs::remove_all(partial, error);
  fs::create_directories(partial, error);
  if (!error) fs::copy(profile / "user", partial / "user", fs::copy_options::recursive, error);
  if (!error) std::ofstream(partial / kReadyMark) << office_.fullVersion << "\n";
  if (!error) fs::rename(partial, TemplatePath(), error);
  if (error) fs::remove_all(partial, error);
}

}  // namespace platform::hosts
