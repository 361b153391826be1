#include "platform/shell/Shell.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "platform/WinTypes.h"
#include "tests/support/TempDir.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::TempDir;

// Drive C: on a temporary folder and a folder of the project's programs.
class ShellTest : public ::testing::Test {
 protected:
  ShellTest()
      : c_(temp_.MakeDir("c")),
        programs_(temp_.MakeDir("programs")),
        files_(DriveMap{{'C', c_}}, c_ / "Windows"),
        shell_(files_, programs_) {}

  fs::path Script(const std::string& relative, const std::string& body) {
    const auto file = temp_.WriteFile(relative, "#!/bin/sh\n" + body + "\n");
    fs::permissions(file, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
    return file;
  }

  // Waits (at most a few seconds) for a file that a started program writes.
  static std::string Awaited(const fs::path& file) {
    for (int i = 0; i < 500 && !fs::exists(file); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let the writer finish
    return fs::exists(file) ? ReadFile(file) : "(never written)";
  }

  uint32_t RunToEnd(const ShellExecuteInfo& info) {
    const auto process = shell_.ShellExecuteEx(info);
    EXPECT_TRUE(process);
    if (!process) return 0xDEAD;
    EXPECT_EQ(shell_.WaitForSingleObject(*process, INFINITE), WAIT_OBJECT_0);
    const auto code = shell_.GetExitCodeProcess(*process);
    shell_.CloseHandle(*process);
    return code.value_or(0xDEAD);
  }

  TempDir temp_;
  fs::path c_;
  fs::path programs_;
  FileSystem files_;
  Shell shell_;
};

TEST_F(ShellTest, StartsAProgramAndReadsItsExitCode) {
  Script("programs/exit3.exe", "exit 3");
  EXPECT_EQ(RunToEnd({"open", "exit3.exe", "", "", SW_SHOW}), 3u);
  EXPECT_EQ(RunToEnd({"", "EXIT3.EXE", "", "", SW_HIDE}), 3u);
  EXPECT_EQ(RunToEnd({"Open", "exit3", "", "", SW_SHOW}), 3u);
}

TEST_F(ShellTest, WaitsWithATimeout) {
  Script("programs/gate.exe", "while [ ! -e open ]; do sleep 0.01; done\nexit 7");
  temp_.MakeDir("c/Work");
  const auto process = shell_.ShellExecuteEx({"open", "gate.exe", "", "C:\\work", SW_SHOW});
  ASSERT_TRUE(process);
  EXPECT_EQ(shell_.WaitForSingleObject(*process, 0), WAIT_TIMEOUT);
  EXPECT_EQ(shell_.WaitForSingleObject(*process, 50), WAIT_TIMEOUT);
  EXPECT_EQ(shell_.GetExitCodeProcess(*process), STILL_ACTIVE);
  temp_.WriteFile("c/Work/open", "");
  EXPECT_EQ(shell_.WaitForSingleObject(*process, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(shell_.WaitForSingleObject(*process, 0), WAIT_OBJECT_0);
  EXPECT_EQ(shell_.GetExitCodeProcess(*process), 7u);
  shell_.CloseHandle(*process);
  EXPECT_EQ(shell_.GetExitCodeProcess(*process), std::nullopt);
  EXPECT_EQ(shell_.WaitForSingleObject(*process, 0), WAIT_FAILED);
}

TEST_F(ShellTest, ReportsAProgramEndedByASignal) {
  Script("programs/killed.exe", "kill -9 $$");
  EXPECT_EQ(RunToEnd({"open", "killed.exe", "", "", SW_SHOW}), 128u + 9u);
}

TEST_F(ShellTest, PassesArgumentsWorkingFolderAndEnvironment) {
  Script("programs/rundll32.exe",
         "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > args.txt\n"
         "printf '%s\\n' \"$SHEAFMILL_PROFILE\" >> args.txt");
  temp_.MakeDir("c/Work");
  shell_.SetChildEnvironment("SHEAFMILL_PROFILE", "/tmp/old");
  shell_.SetChildEnvironment("SHEAFMILL_PROFILE", "/profile/of/test");
  const std::string parameters = "printui.dll,PrintUIEntry /e /n \"VELTRA Ashgrove PDF Creator\"";
  EXPECT_EQ(RunToEnd({"open", "RunDLL32.EXE", parameters, "C:\\WORK", SW_SHOW}), 0u);
  EXPECT_EQ(ReadFile(c_ / "Work" / "args.txt"),
            "printui.dll,PrintUIEntry\n/e\n/n\nVELTRA Ashgrove PDF Creator\n/profile/of/test\n");
}

TEST_F(ShellTest, RunsInTheCurrentDirectoryWhenNoFolderIsGiven) {
  Script("programs/here.exe", "pwd > here.txt");
  temp_.MakeDir("c/Here");
  ASSERT_TRUE(files_.SetCurrentDirectory("C:\\here"));
  EXPECT_EQ(RunToEnd({"open", "here.exe", "", "", SW_SHOW}), 0u);
  EXPECT_EQ(ReadFile(c_ / "Here" / "here.txt"), (c_ / "Here").string() + "\n");
}

TEST_F(ShellTest, NeverRunsAProgramFromTheCurrentDirectoryOrPath) {
  const auto marker = temp_.Path() / "ran";
  Script("c/Work/rundll32.exe", "touch '" + marker.string() + "'");
  ASSERT_TRUE(files_.SetCurrentDirectory("C:\\Work"));
  const fs::path hostDirectory = fs::current_path();
  const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  fs::current_path(c_ / "Work");
  ::setenv("PATH", ((c_ / "Work").string() + ":" + path).c_str(), 1);

  EXPECT_FALSE(shell_.ShellExecuteEx({"open", "rundll32.exe", "", "", SW_SHOW}));
  EXPECT_FALSE(shell_.ShellExecute({"open", "rundll32.exe", "", "", SW_SHOW}));
  EXPECT_FALSE(shell_.ShellExecute({"open", "rundll32", "", "", SW_SHOW}));

  ::setenv("PATH", path.c_str(), 1);
  fs::current_path(hostDirectory);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(fs::exists(marker));
}

TEST_F(ShellTest, RefusesWhatCannotBeStarted) {
  Script("programs/ok.exe", "exit 0");
  temp_.WriteFile("c/Tools/plain.exe", "not a program");
  const ShellExecuteInfo refused[] = {
      {"open", "missing.exe", "", "", SW_SHOW},
      {"print", "ok.exe", "", "", SW_SHOW},
      {"open", "", "", "", SW_SHOW},
      {"open", "ok.exe", "", "C:\\NoSuchFolder", SW_SHOW},
      {"open", "C:\\Docs\\missing.doc", "", "", SW_SHOW},
      {"open", "C:\\Tools\\plain.exe", "", "", SW_SHOW},
      {"open", "Q:\\x.exe", "", "", SW_SHOW},
  };
  for (const auto& info : refused) {
    EXPECT_FALSE(shell_.ShellExecuteEx(info)) << info.verb << " " << info.file;
    EXPECT_FALSE(shell_.ShellExecute(info)) << info.verb << " " << info.file;
  }
}

TEST_F(ShellTest, StartsAProgramNamedByItsDrivePath) {
  Script("c/Tools/Run.exe", "exit 5");
  EXPECT_EQ(RunToEnd({"open", "c:\\tools\\RUN.EXE", "", "", SW_SHOW}), 5u);
}

TEST_F(ShellTest, HandsDocumentsAndWebAddressesToTheOpener) {
  const auto record = temp_.Path() / "opened";
  const auto opener = Script("opener", "printf '%s|' \"$@\" >> '" + record.string() + "'");
  shell_.SetOpener(opener.string());
  temp_.WriteFile("c/Docs/Report.doc", "");

  EXPECT_TRUE(shell_.ShellExecute({"open", "https://example.com/a?b=c d", "", "", SW_SHOW}));
  EXPECT_EQ(Awaited(record), "https://example.com/a?b=c d|");
  fs::remove(record);
  EXPECT_TRUE(shell_.ShellExecute({"open", "www.example.com", "", "", SW_SHOW}));
  EXPECT_EQ(Awaited(record), "http://www.example.com|");
  fs::remove(record);
  EXPECT_TRUE(shell_.ShellExecute({"open", "C:\\DOCS\\report.DOC", "", "", SW_SHOW}));
  EXPECT_EQ(Awaited(record), (c_ / "Docs" / "Report.doc").string() + "|");
}

// The children of this process, zombies included, as the kernel lists them.
std::vector<std::string> ChildProcessIds() {
  std::vector<std::string> ids;
  for (const auto& task : fs::directory_iterator("/proc/self/task")) {
    std::ifstream in(task.path() / "children");
    for (std::string id; in >> id;) ids.push_back(id);
  }
  return ids;
}

TEST_F(ShellTest, LeavesNoZombies) {
  if (!fs::exists(fs::path("/proc/self/task") / std::to_string(gettid()) / "children")) {
    GTEST_SKIP() << "the kernel does not list child processes";
  }
  Script("programs/quick.exe", "exit 0");
  Script("programs/gate.exe", "while [ ! -e open ]; do sleep 0.01; done");
  const auto quick = shell_.ShellExecuteEx({"open", "quick.exe", "", "", SW_SHOW});
  const auto gated = shell_.ShellExecuteEx({"open", "gate.exe", "", "C:\\", SW_SHOW});
  ASSERT_TRUE(quick && gated);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  shell_.CloseHandle(*quick);  // ended, never waited for
  shell_.CloseHandle(*gated);  // still running
  temp_.WriteFile("c/open", "");
  for (int i = 0; i < 500 && !ChildProcessIds().empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(ChildProcessIds().empty());
}

TEST_F(ShellTest, NamesDrivesFoldersAndFilesWithTheirIcons) {
  temp_.WriteFile("c/Docs/Report.DOCX", "");
  temp_.WriteFile("c/Docs/page.html", "");
  temp_.WriteFile("c/Docs/data.bin", "");
  FileSystem files(DriveMap{{'C', c_}, {'Z', "/"}, {'A', temp_.Path() / "no-medium"}},
                   c_ / "Windows");
  const Shell shell(files, programs_);

  const auto root =
      shell.GetFileInfo("C:\\", SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME | SHGFI_SMALLICON);
  EXPECT_TRUE(root.ok);
  EXPECT_EQ(root.displayName, "c (C:)");
  EXPECT_EQ(root.iconIndex, static_cast<int>(SystemIcon::DriveFixed));
  EXPECT_EQ(root.imageList, SYSTEM_IMAGE_LIST);
  EXPECT_EQ(shell.GetFileInfo("Z:\\", SHGFI_DISPLAYNAME).displayName, "File System (Z:)");
  const auto noMedium = shell.GetFileInfo("a:\\", SHGFI_DISPLAYNAME | SHGFI_SYSICONINDEX);
  EXPECT_TRUE(noMedium.ok);
  EXPECT_EQ(noMedium.displayName, "no-medium (A:)");
  EXPECT_EQ(noMedium.iconIndex, static_cast<int>(SystemIcon::DriveRemovable));

  const auto folder = shell.GetFileInfo("c:\\DOCS\\", 0x4201);
  EXPECT_EQ(folder.displayName, "Docs");
  EXPECT_EQ(folder.iconIndex, static_cast<int>(SystemIcon::Folder));
  EXPECT_EQ(shell.GetFileInfo("C:\\Docs", 0x4003).iconIndex,
            static_cast<int>(SystemIcon::FolderOpen));
  EXPECT_EQ(shell.GetFileInfo("C:\\Windows", 0x4001).iconIndex,
            static_cast<int>(SystemIcon::Folder));

  const auto word = shell.GetFileInfo("C:\\docs\\report.docx", 0x4201);
  EXPECT_EQ(word.displayName, "Report.DOCX");
  EXPECT_EQ(word.iconIndex, static_cast<int>(SystemIcon::DocWord));
  EXPECT_EQ(shell.GetFileInfo("C:\\Docs\\page.html", 0x4003).iconIndex,
            static_cast<int>(SystemIcon::DocWeb));
  EXPECT_EQ(shell.GetFileInfo("C:\\Docs\\data.bin", 0x4003).iconIndex,
            static_cast<int>(SystemIcon::GenericFile));
  EXPECT_EQ(shell.GetFileInfo("C:\\Docs\\data.bin", SHGFI_DISPLAYNAME).imageList, 0);
}

TEST_F(ShellTest, FindsNothingForAMissingPath) {
  for (const char* path : {"C:\\Docs\\missing.doc", "Q:\\", "", "C:\\a|b"}) {
    const auto info = shell_.GetFileInfo(path, 0x4201);
    EXPECT_FALSE(info.ok) << path;
    EXPECT_EQ(info.iconIndex, 0) << path;
    EXPECT_EQ(info.displayName, "") << path;
  }
}

// The caller vouches for the file: a folder just listed is described without a lookup.
TEST_F(ShellTest, GivenAttributesAreTakenWithoutLookingTheFileUp) {
  const uint32_t flags = SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME | SHGFI_USEFILEATTRIBUTES;
  const auto folder =
      shell_.GetFileInfo("C:\\Docs\\Not There\\", flags, platform::FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_TRUE(folder.ok);
  EXPECT_EQ(folder.displayName, "Not There");
  EXPECT_EQ(folder.iconIndex, static_cast<int>(platform::SystemIcon::Folder));
  temp_.WriteFile("c/Docs/kept.docx", "");
  const auto file = shell_.GetFileInfo("C:\\Docs\\gone.docx", flags, 0);
  EXPECT_EQ(file.iconIndex, shell_.GetFileInfo("C:\\Docs\\kept.docx", 0x4201).iconIndex);
  EXPECT_NE(file.iconIndex, folder.iconIndex);
  EXPECT_FALSE(shell_.GetFileInfo("C:\\Docs\\gone.docx", SHGFI_DISPLAYNAME, 0).ok);
}

TEST(ShellIconTest, NamesFreedesktopIcons) {
  EXPECT_EQ(Shell::IconName(static_cast<int>(SystemIcon::Folder)), "folder");
  EXPECT_EQ(Shell::IconName(static_cast<int>(SystemIcon::FolderOpen)), "folder-open");
  EXPECT_EQ(Shell::IconName(static_cast<int>(SystemIcon::DriveFixed)), "drive-harddisk");
  EXPECT_EQ(Shell::IconName(static_cast<int>(SystemIcon::DocWord)), "x-office-document");
  EXPECT_EQ(Shell::IconName(static_cast<int>(SystemIcon::DocExcel)), "x-office-spreadsheet");
  EXPECT_EQ(Shell::IconName(-1), Shell::IconName(static_cast<int>(SystemIcon::GenericFile)));
  EXPECT_EQ(Shell::IconName(99), Shell::IconName(static_cast<int>(SystemIcon::GenericFile)));
}

}  // namespace
}  // namespace platform
