#include "platform/hosts/OfficeProfiles.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using platform::hosts::OfficeInstallation;
using platform::hosts::OfficeProfiles;

class OfficeProfilesTest : public testing::Test {
 protected:
  // An installation whose soffice.bin ends with `exitCode` whatever it is asked.
  OfficeInstallation Installation(int exitCode) {
    fs::path program = temp.MakeDir("office/program");
    temp.WriteFile("office/program/soffice.bin",
                   "#!/bin/sh\nexit " + std::to_string(exitCode) + "\n");
    fs::permissions(program / "soffice.bin", fs::perms::owner_all);
    temp.WriteFile("office/share/registry/main.xcd",
                   "<prop oor:name=\"ooSetupVersion\">\n <value>7.4</value>\n</prop>"
                   "<prop oor:name=\"ooSetupVersionAboutBox\"><value>7.4.7.2</value></prop>");
    return OfficeInstallation::Find(program).value();
  }

  testsupport::TempDir temp;
};

TEST_F(OfficeProfilesTest, TheInstallationsVersionComesFromItsConfiguration) {
  OfficeInstallation office = Installation(0);
  EXPECT_EQ(office.version, "7.4");
  EXPECT_EQ(office.fullVersion, "7.4.7.2");
  EXPECT_FALSE(OfficeInstallation::Find(temp.Path() / "elsewhere"));
  fs::remove(temp.Path() / "office/share/registry/main.xcd");
  EXPECT_FALSE(OfficeInstallation::Find(temp.Path() / "office/program"));
}

TEST_F(OfficeProfilesTest, ANewProfileNamesTheVersionSoThatStartsSkipTheSelfTests) {
  OfficeProfiles(Installation(0), "").Make(temp.Path() / "p");
  std::string settings = testsupport::ReadFile(temp.Path() / "p/user/registrymodifications.xcu");
  EXPECT_NE(settings.find("<item oor:path=\"/org.openoffice.Setup/Product\"><prop "
                          "oor:name=\"ooSetupLastVersion\" oor:op=\"fuse\"><value>7.4</value>"),
            std::string::npos);
}

TEST_F(OfficeProfilesTest, AProfileTheOfficeCannotSetUpIsAnError) {
  OfficeProfiles profiles(Installation(1), temp.Path() / "templates");
  try {
    profiles.Make(temp.Path() / "p");
    ADD_FAILURE() << "made";
  } catch (const platform::Error& e) {
    EXPECT_NE(e.Message().find("could not set up a user profile"), std::string::npos);
    EXPECT_NE(e.Message().find("(exit code 1)"), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(temp.Path() / "templates/profile-7.4.7.2"));
}

TEST_F(OfficeProfilesTest, ASetUpProfileIsKeptAndCopiedForLaterInstances) {
  OfficeProfiles(Installation(0), temp.Path() / "templates").Make(temp.Path() / "first");
  EXPECT_TRUE(fs::exists(temp.Path() / "templates/profile-7.4.7.2/ready"));
  // From now on the office is not needed: an office that would fail is never started.
  temp.WriteFile("templates/profile-7.4.7.2/user/marker", "from the template");
  OfficeProfiles(Installation(1), temp.Path() / "templates").Make(temp.Path() / "second");
  EXPECT_EQ(testsupport::ReadFile(temp.Path() / "second/user/marker"), "from the template");
}

}  // namespace
