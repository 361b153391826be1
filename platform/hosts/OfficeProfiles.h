#pragma once
// User profiles for office instances. Each instance needs a profile of its own: a second
// office on a profile hands its work to the first and ends. A new profile costs time twice:
// the office spends about 3 s on graphics self-tests at every start unless the profile names
// the version last run, and its first start on an empty profile only sets the profile up and
// ends (exit code 81). So profiles are seeded with the version, set up once by a start that
// ends right after initialisation, and, when a template folder is given, kept there to be
// copied for later instances (also by later runs of the program).

#include <filesystem>

#include "platform/hosts/OfficeInstallation.h"

namespace platform::hosts {

class OfficeProfiles {
 public:
  // `templateFolder` empty: every profile is set up from scratch.
  OfficeProfiles(OfficeInstallation office, std::filesystem::path templateFolder);

  // Makes a ready profile in `profile`, a folder that does not exist yet. Raises
  // platform::Error when the office cannot set it up.
  void Make(const std::filesystem::path& profile) const;

  // Writes the settings a new profile starts with: the version last run.
  static void Seed(const std::filesystem::path& profile, const std::string& version);

 private:
  std::filesystem::path TemplatePath() const;
  void SetUp(const std::filesystem::path& profile) const;
  void KeepAsTemplate(const std::filesystem::path& profile) const;

  OfficeInstallation office_;
  std::filesystem::path templateFolder_;
};

}  // namespace platform::hosts
