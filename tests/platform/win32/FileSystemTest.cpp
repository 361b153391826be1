#include "platform/files/FileSystem.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/files/FolderWatch.h"
#include "platform/win32/WinApi.h"
#include "tests/support/win32/TempDir.h"

namespace {

using namespace platform;

class FileSystemTest : public ::testing::Test {
 protected:
  std::set<std::string> Found(const std::string& pattern) {
    std::set<std::string> names;
    FindData data;
    const SearchHandle search = files.FindFirstFile(pattern, data);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.insert(data.Name);
    while (files.FindNextFile(search, data));
    EXPECT_EQ(files.LastError(), ERROR_NO_MORE_FILES);
    EXPECT_TRUE(files.FindClose(search));
    return names;
  }
  uint32_t SearchError(const std::string& pattern) {
    FindData data;
    EXPECT_EQ(files.FindFirstFile(pattern, data), INVALID_HANDLE_VALUE) << pattern;
    return files.LastError();
  }

  testsupport::TempDir temp;
  FileSystem files{DriveMap{}, ""};
};

TEST_F(FileSystemTest, SearchFindsAwkwardNamesAndReportsWindowsErrors) {
  temp.WriteFile("Ärger report.doc", "a");
  temp.WriteFile("-dash.DOC", "b");
  temp.WriteFile("page.html", "c");
  temp.MakeDir("sub folder");
  const std::string folder = temp.Win();
  EXPECT_EQ(Found(folder + "\\*.doc"), (std::set<std::string>{"Ärger report.doc", "-dash.DOC"}));
  EXPECT_EQ(Found(folder + "\\*"), (std::set<std::string>{".", "..", "Ärger report.doc",
                                                          "-dash.DOC", "page.html", "sub folder"}));
  FindData data;
  const SearchHandle search =
      files.FindFirstFileEx(folder + "\\sub*", data, FindInfoLevel::FindExInfoBasic);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  EXPECT_EQ(data.Name, "sub folder");
  EXPECT_NE(data.Attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  files.FindClose(search);

  EXPECT_EQ(SearchError(folder + "\\*.xls"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(SearchError(folder + "\\missing\\*.doc"), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(SearchError(folder + "\\page.html\\*.doc"), ERROR_DIRECTORY);

  EXPECT_TRUE(FileSystem::MatchesPattern("*.htm", "page.html"));
  EXPECT_FALSE(FileSystem::MatchesPattern("*.doc", "page.html"));
}

TEST_F(FileSystemTest, AttributesCurrentDirectoryAndSpelling) {
  const std::string file = temp.WriteFile("Ärger.txt", "x");
  const std::string folder = temp.MakeDir("-Sub Folder");
  EXPECT_TRUE(files.FileExists(file));
  EXPECT_FALSE(files.DirectoryExists(file));
  EXPECT_TRUE(files.DirectoryExists(folder));
  EXPECT_EQ(files.GetFileAttributes(temp.Win("gone.txt")), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(files.LastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(files.GetFileAttributes(temp.Win("gone\\x.txt")), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(files.LastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_TRUE(files.GetLastWriteTime(file).has_value());
  EXPECT_FALSE(files.GetLastWriteTime(temp.Win("gone.txt")).has_value());

  const std::string saved = files.GetCurrentDirectory();
  ASSERT_TRUE(files.SetCurrentDirectory(folder));
  EXPECT_EQ(files.DiskSpelling(files.GetCurrentDirectory()), files.DiskSpelling(folder));
  EXPECT_FALSE(files.SetCurrentDirectory(temp.Win("gone")));
  EXPECT_EQ(files.LastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(files.SetCurrentDirectory(file));
  EXPECT_EQ(files.LastError(), ERROR_DIRECTORY);
  files.SetCurrentDirectory(saved);

  // Each name as the disk spells it, whatever the case asked for.
  const std::string spelt = *files.DiskSpelling(temp.Win("-SUB FOLDER"));
  EXPECT_EQ(spelt.substr(spelt.size() - 12), "\\-Sub Folder");
  EXPECT_EQ(files.DiskSpelling(temp.Win("gone")), std::nullopt);

  const uint32_t drives = files.GetLogicalDrives();
  EXPECT_NE(drives & (1u << 2), 0u);
  EXPECT_EQ(files.GetDriveType("C:\\"), DRIVE_FIXED);
  EXPECT_EQ(files.GetDriveType("C:"), DRIVE_FIXED);
  uint32_t letter = 25;
  while (letter > 2 && (drives & (1u << letter)) != 0) --letter;
  EXPECT_EQ(files.GetDriveType(std::string(1, static_cast<char>('A' + letter)) + ":\\"),
            DRIVE_NO_ROOT_DIR);
  EXPECT_TRUE(files.DirectoryExists(files.GetWindowsDirectory()));
  EXPECT_NE(files.GetWindowsDirectory().back(), '\\');
}

TEST_F(FileSystemTest, DeleteAndMoveKeepWhatTheyMayNotTouch) {
  const std::string a = temp.WriteFile("a b.txt", "a");
  const std::string b = temp.WriteFile("-b.txt", "b");
  EXPECT_FALSE(files.MoveFile(a, b));
  EXPECT_EQ(files.LastError(), ERROR_ALREADY_EXISTS);
  EXPECT_EQ(testsupport::ReadFile(b), "b");
  EXPECT_TRUE(files.MoveFile(a, temp.Win("Ärger.txt")));
  EXPECT_EQ(testsupport::ReadFile(temp.Win("Ärger.txt")), "a");
  EXPECT_FALSE(files.FileExists(a));

  SetFileAttributesW(std::filesystem::path(temp.Path() / "-b.txt").c_str(),
                     FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(files.DeleteFile(b));
  EXPECT_EQ(files.LastError(), ERROR_ACCESS_DENIED);
  EXPECT_TRUE(files.FileExists(b));
  EXPECT_FALSE(files.DeleteFile(temp.MakeDir("folder")));
  EXPECT_EQ(files.LastError(), ERROR_ACCESS_DENIED);
  EXPECT_TRUE(files.DeleteFile(temp.Win("Ärger.txt")));
  EXPECT_FALSE(files.FileExists(temp.Win("Ärger.txt")));
}

// The notices come from another thread of the system: what they tell once they have come.
std::vector<FindData> ChangesOnceTold(FolderWatch& watch) {
  std::vector<FindData> told;
  for (int i = 0; i < 200 && told.empty(); ++i) {
    Sleep(10);
    const auto changes = watch.Changes();
    if (!changes) return {{0, "lost"}};
    told = *changes;
  }
  return told;
}

TEST_F(FileSystemTest, AWatchTellsTheNamesThatCameAndWent) {
  temp.WriteFile("old.doc", "o");
  FolderWatch watch(files, temp.Win());
  ASSERT_TRUE(watch.Changes().has_value());
  EXPECT_TRUE(watch.Changes()->empty());
  temp.WriteFile("Ärger neu.doc", "n");
  std::vector<FindData> told = ChangesOnceTold(watch);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].Name, "Ärger neu.doc");
  EXPECT_EQ(told[0].Attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  ASSERT_TRUE(files.DeleteFile(temp.Win("old.doc")));
  told = ChangesOnceTold(watch);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].Name, "old.doc");
  EXPECT_EQ(told[0].Attributes, INVALID_FILE_ATTRIBUTES);

  // Another folder now under the watched path: the notices cannot tell any more.
  const std::string folder = temp.MakeDir("watched");
  FolderWatch moved(files, folder);
  ASSERT_TRUE(moved.Changes().has_value());
  ASSERT_TRUE(files.MoveFile(folder, temp.Win("elsewhere")));
  temp.MakeDir("watched");
  EXPECT_FALSE(moved.Changes().has_value());
  EXPECT_FALSE(moved.Changes().has_value());
  FolderWatch missing(files, temp.Win("gone"));
  EXPECT_FALSE(missing.Changes().has_value());
}

}  // namespace
