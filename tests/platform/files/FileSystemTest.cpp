#include "platform/files/FileSystem.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <map>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/Error.h"
#include "platform/WinTypes.h"
#include "tests/support/TempDir.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::TempDir;

// Drive C: and D: on temporary folders, the Windows directory C:\Windows.
class FileSystemTest : public ::testing::Test {
 protected:
  FileSystemTest() : c_(temp_.MakeDir("c")), d_(temp_.MakeDir("d")) {}

  FileSystem& Files() {
    if (!files_)
      files_ = std::make_unique<FileSystem>(DriveMap{{'C', c_}, {'d', d_}}, c_ / "Windows");
    return *files_;
  }

  // Every name that a search reports, in the order reported.
  std::vector<std::string> List(const std::string& pattern) {
    std::vector<std::string> names;
    FindData data;
    const SearchHandle handle = Files().FindFirstFile(pattern, data);
    if (handle == INVALID_HANDLE_VALUE) return names;
    do {
      names.push_back(data.Name);
    } while (Files().FindNextFile(handle, data));
    EXPECT_EQ(Files().LastError(), ERROR_NO_MORE_FILES);
    EXPECT_TRUE(Files().FindClose(handle));
    return names;
  }

  std::vector<std::string> SortedList(const std::string& pattern) {
    auto names = List(pattern);
    std::sort(names.begin(), names.end());
    return names;
  }

  uint32_t SearchError(const std::string& pattern) {
    FindData data;
    EXPECT_EQ(Files().FindFirstFile(pattern, data), INVALID_HANDLE_VALUE);
    return Files().LastError();
  }

  uint32_t AttributesInSearch(const std::string& folderPattern, const std::string& name) {
    FindData data;
    const SearchHandle handle = Files().FindFirstFile(folderPattern, data);
    EXPECT_NE(handle, INVALID_HANDLE_VALUE);
    uint32_t found = INVALID_FILE_ATTRIBUTES;
    do {
      if (data.Name == name) found = data.Attributes;
    } while (Files().FindNextFile(handle, data));
    Files().FindClose(handle);
    return found;
  }

  TempDir temp_;
  fs::path c_;
  fs::path d_;
  std::unique_ptr<FileSystem> files_;
};

TEST_F(FileSystemTest, ResolvesDrivePathsIgnoringLetterCase) {
  temp_.WriteFile("c/Docs/Report.DOC", "r");
  EXPECT_EQ(Files().ToHost("c:\\DOCS\\report.doc"), c_ / "Docs/Report.DOC");
  EXPECT_EQ(Files().ToHost("C:/docs/./Sub/../REPORT.doc"), c_ / "Docs/Report.DOC");
  EXPECT_EQ(Files().ToHost("C:\\"), c_);
  EXPECT_EQ(Files().ToHost("C:\\.."), c_);
  // What does not exist yet is kept as written, below what does.
  EXPECT_EQ(Files().ToHost("C:\\DOCS\\New\\Out.pdf"), c_ / "Docs/New/Out.pdf");
  EXPECT_EQ(Files().ToHost("d:\\x"), d_ / "x");
}

// A folder's names, once looked up ignoring letter case, are kept with the folder's change
// notices: each look-up after a change by another process finds what a new file system finds.
TEST_F(FileSystemTest, LookUpsIgnoringLetterCaseFollowChangesByOtherProcesses) {
  temp_.WriteFile("c/Docs/Report.DOC", "r");
  const std::vector<std::string> paths = {"C:\\DOCS\\REPORT.DOC", "C:\\docs\\link.PDF",
                                          "C:\\DOCS\\new.TXT"};
  const std::vector<std::pair<std::string, std::string>> steps = {
      {"nothing yet", "true"},
      {"renamed", "mv Report.DOC rePort.doc"},
      {"gone", "rm rePort.doc"},
      {"back in other letter case", "touch REPORT.doc"},
      {"a link that leads nowhere", "ln -s nowhere Link.pdf"},
      {"the folder replaced", "cd .. && mv Docs Old && mkdir Docs && touch Docs/New.txt"},
  };
  for (const auto& [what, command] : steps) {
    ASSERT_EQ(std::system(("cd '" + (c_ / "Docs").string() + "' && " + command).c_str()), 0);
    FileSystem fresh(DriveMap{{'C', c_}}, c_ / "Windows");
    for (const std::string& path : paths) {
      EXPECT_EQ(Files().ToHost(path), fresh.ToHost(path)) << what << ": " << path;
      EXPECT_EQ(Files().FileExists(path), fresh.FileExists(path)) << what << ": " << path;
    }
  }
  EXPECT_EQ(Files().ToHost(paths[2]), c_ / "Docs/New.txt");
}

TEST_F(FileSystemTest, PrefersTheExactNameOverOtherCaseForms) {
  temp_.MakeDir("c/data");
  temp_.MakeDir("c/DATA");
  EXPECT_EQ(Files().ToHost("C:\\DATA"), c_ / "DATA");
  EXPECT_EQ(Files().ToHost("C:\\data"), c_ / "data");
  const auto other = Files().ToHost("C:\\Data");
  EXPECT_TRUE(other == c_ / "data" || other == c_ / "DATA");
}

TEST_F(FileSystemTest, RefusesPathsOnNoDriveOrWithForbiddenCharacters) {
  EXPECT_FALSE(Files().ToHost("Q:\\x"));
  EXPECT_FALSE(Files().ToHost("\\\\server\\share\\x"));
  EXPECT_FALSE(Files().ToHost("C:\\a?b"));
  EXPECT_FALSE(Files().ToHost("C:\\a:b"));
  EXPECT_FALSE(Files().ToHost(""));
}

TEST_F(FileSystemTest, ResolvesRelativePathsAgainstTheCurrentDirectory) {
  temp_.WriteFile("c/Docs/a.txt", "a");
  ASSERT_TRUE(Files().SetCurrentDirectory("C:\\docs"));
  EXPECT_EQ(Files().ToHost("A.TXT"), c_ / "Docs/a.txt");
  EXPECT_EQ(Files().ToHost("C:a.txt"), c_ / "Docs/a.txt");
  EXPECT_EQ(Files().ToHost("..\\DOCS"), c_ / "Docs");
  EXPECT_EQ(Files().ToHost("\\Docs"), c_ / "Docs");
  // Another drive's relative path starts at its root.
  EXPECT_EQ(Files().ToHost("D:x"), d_ / "x");
}

TEST_F(FileSystemTest, TranslatesHostPathsToTheDeepestDrive) {
  temp_.MakeDir("c/Docs/Inner");
  EXPECT_EQ(Files().ToWindows(c_ / "Docs" / "Inner"), "C:\\Docs\\Inner");
  EXPECT_EQ(Files().ToWindows(c_), "C:\\");
  EXPECT_EQ(Files().ToWindows(c_ / "Docs" / ".." / "x.txt"), "C:\\x.txt");
  EXPECT_FALSE(Files().ToWindows(temp_.Path() / "elsewhere"));
  EXPECT_FALSE(Files().ToWindows("relative/path"));
  EXPECT_EQ(Files().ToWindows(c_ / "a:b" / "c?d"), "C:\\a\uF03Ab\\c\uF03Fd");

  FileSystem nested(DriveMap{{'C', c_}, {'E', c_ / "Docs"}}, c_ / "Windows");
  EXPECT_EQ(nested.ToWindows(c_ / "Docs" / "Inner"), "E:\\Inner");
  EXPECT_EQ(nested.ToWindows(c_ / "Other"), "C:\\Other");
}

TEST_F(FileSystemTest, ReportsDrivesAndTheirTypes) {
  EXPECT_EQ(Files().GetLogicalDrives(), (1u << 2) | (1u << 3));
  // The temporary folders are on the machine's own disk.
  EXPECT_EQ(Files().GetDriveType("C:\\"), DRIVE_FIXED);
  EXPECT_EQ(Files().GetDriveType("c:"), DRIVE_FIXED);
  EXPECT_EQ(Files().GetDriveType(""), DRIVE_FIXED);
  EXPECT_EQ(Files().GetDriveType("Q:\\"), DRIVE_NO_ROOT_DIR);
  EXPECT_EQ(Files().GetDriveType("C:\\Windows"), DRIVE_NO_ROOT_DIR);

  FileSystem withMissing(DriveMap{{'A', temp_.Path() / "no-medium"}}, c_ / "Windows");
  EXPECT_EQ(withMissing.GetDriveType("A:\\"), DRIVE_NO_ROOT_DIR);
  EXPECT_EQ(withMissing.GetFileAttributes("A:\\x"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(withMissing.LastError(), ERROR_NOT_READY);

  Files().SetDriveTypeOverride('d', DRIVE_REMOTE);
  EXPECT_EQ(Files().GetDriveType("D:\\"), DRIVE_REMOTE);
  EXPECT_EQ(Files().GetDriveType("C:\\"), DRIVE_FIXED);
}

TEST_F(FileSystemTest, CreatesAndReportsTheWindowsDirectory) {
  EXPECT_EQ(Files().GetWindowsDirectory(), "C:\\Windows");
  EXPECT_TRUE(fs::is_directory(c_ / "Windows"));
  FileSystem offDrive(DriveMap{{'D', d_}}, temp_.Path() / "profile" / "windows");
  EXPECT_TRUE(fs::is_directory(temp_.Path() / "profile" / "windows"));
  EXPECT_EQ(offDrive.GetWindowsDirectory(), "D:\\");
}

TEST_F(FileSystemTest, RefusesInvalidDriveLetters) {
  EXPECT_THROW(FileSystem(DriveMap{{'1', c_}}, c_ / "Windows"), Error);
  temp_.WriteFile("blocker", "");
  EXPECT_THROW(FileSystem(DriveMap{{'C', c_}}, temp_.Path() / "blocker" / "windows"), Error);
}

TEST_F(FileSystemTest, ListsDotEntriesFirstBelowARootOnly) {
  temp_.WriteFile("c/Docs/a.txt", "");
  temp_.WriteFile("c/top.txt", "");
  const auto below = List("C:\\DOCS\\*.*");
  ASSERT_EQ(below.size(), 3u);
  EXPECT_EQ(below[0], ".");
  EXPECT_EQ(below[1], "..");
  EXPECT_EQ(below[2], "a.txt");
  EXPECT_EQ(AttributesInSearch("C:\\Docs\\*", ".."), FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(SortedList("C:\\*.*"), (std::vector<std::string>{"Docs", "Windows", "top.txt"}));
  // The dot entries obey the pattern like any name.
  EXPECT_EQ(List("C:\\Docs\\*.txt"), std::vector<std::string>{"a.txt"});
}

TEST_F(FileSystemTest, MatchesWildcardsAsThePlatformDoes) {
  for (const char* name : {"a.txt", "ab.txt", "README", "letter.docx", "Report.Doc", "page.html",
                           "book.xlsx", "x.htm", "old.do"}) {
    temp_.WriteFile(std::string("c/w/") + name, "");
  }
  EXPECT_EQ(SortedList("C:\\w\\*.*").size(), 11u);  // with "." and ".."
  EXPECT_EQ(SortedList("C:\\w\\*").size(), 11u);
  EXPECT_EQ(SortedList("C:\\w\\?.txt"), std::vector<std::string>{"a.txt"});
  EXPECT_EQ(SortedList("C:\\w\\*.DOC"), (std::vector<std::string>{"Report.Doc", "letter.docx"}));
  EXPECT_EQ(SortedList("C:\\w\\*.htm"), (std::vector<std::string>{"page.html", "x.htm"}));
  EXPECT_EQ(SortedList("C:\\w\\*.xls"), std::vector<std::string>{"book.xlsx"});
  EXPECT_EQ(SortedList("C:\\w\\*.docx"), std::vector<std::string>{"letter.docx"});
  EXPECT_EQ(SortedList("C:\\w\\*.do"), std::vector<std::string>{"old.do"});
  EXPECT_EQ(SortedList("C:\\w\\readme"), std::vector<std::string>{"README"});
}

TEST_F(FileSystemTest, SpellsCharactersThatWindowsRefusesAsPrivateUseCharacters) {
  temp_.WriteFile("c/w/a:b.txt", "colon");
  temp_.WriteFile("c/w/back\\slash.txt", "");
  temp_.WriteFile("c/w/tab\tand \"quotes\" <|>*?.txt", "");
  temp_.WriteFile("c/w/line\nbreak.txt", "");
  temp_.WriteFile("c/w/plain.txt", "");
  EXPECT_EQ(SortedList("C:\\w\\*.txt"),
            (std::vector<std::string>{
                "a\uF03Ab.txt", "back\uF05Cslash.txt", "line\uF00Abreak.txt", "plain.txt",
                "tab\uF009and \uF022quotes\uF022 \uF03C\uF07C\uF03E\uF02A\uF03F.txt"}));
  EXPECT_EQ(Files().ToHost("C:\\W\\A\uF03AB.TXT"), c_ / "w" / "a:b.txt");
  EXPECT_TRUE(Files().FileExists("C:\\w\\line\uF00Abreak.txt"));
  ASSERT_TRUE(Files().MoveFile("C:\\w\\a\uF03Ab.txt", "C:\\w\\why\uF03F.txt"));
  EXPECT_EQ(testsupport::ReadFile(c_ / "w" / "why?.txt"), "colon");
  // A private-use character that spells no refused one stays as it is.
  EXPECT_EQ(Files().ToHost("C:\\w\\x\uF041"), c_ / "w" / "x\uF041");
}

TEST_F(FileSystemTest, ReportsSearchFailuresWithWindowsCodes) {
  temp_.WriteFile("c/w/a.txt", "");
  EXPECT_EQ(SearchError("C:\\w\\*.pdf"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(SearchError("C:\\missing\\*.*"), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(SearchError("C:\\missing\\deeper\\*.*"), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(SearchError("C:\\w\\a.txt\\*.*"), ERROR_DIRECTORY);
  EXPECT_EQ(SearchError("C:\\w\\"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(SearchError("Q:\\*.*"), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(SearchError("C:\\w\\a|b"), ERROR_INVALID_NAME);
  FindData data;
  EXPECT_FALSE(Files().FindNextFile(12345, data));
  EXPECT_EQ(Files().LastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(Files().FindClose(12345));
}

TEST_F(FileSystemTest, SearchesTheCurrentDirectoryForABarePattern) {
  temp_.WriteFile("c/Docs/a.txt", "");
  temp_.WriteFile("c/b.txt", "");
  ASSERT_TRUE(Files().SetCurrentDirectory("C:\\Docs"));
  EXPECT_EQ(List("*.txt"), std::vector<std::string>{"a.txt"});
  EXPECT_EQ(List("C:*.txt"), std::vector<std::string>{"a.txt"});
  EXPECT_EQ(List("\\*.txt"), std::vector<std::string>{"b.txt"});
}

TEST_F(FileSystemTest, DerivesAttributesFromTheHostFile) {
  temp_.WriteFile("c/w/.hidden", "");
  temp_.WriteFile("c/w/plain.doc", "");
  const auto locked = temp_.WriteFile("c/w/locked.doc", "");
  temp_.MakeDir("c/w/.config");
  temp_.MakeDir("c/w/Sub");
  fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

  EXPECT_EQ(AttributesInSearch("C:\\w\\*", ".hidden"),
            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(AttributesInSearch("C:\\w\\*", "plain.doc"), FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(AttributesInSearch("C:\\w\\*", "locked.doc"),
            FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(AttributesInSearch("C:\\w\\*", ".config"),
            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(AttributesInSearch("C:\\w\\*", "Sub"), FILE_ATTRIBUTE_DIRECTORY);

  EXPECT_EQ(Files().GetFileAttributes("C:\\W\\LOCKED.DOC"),
            FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(Files().GetFileAttributes("c:\\w\\.CONFIG"),
            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(Files().GetFileAttributes("C:\\"), FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_TRUE(Files().FileExists("C:\\w\\Plain.doc"));
  EXPECT_FALSE(Files().FileExists("C:\\w\\Sub"));
  EXPECT_TRUE(Files().DirectoryExists("C:\\w\\sub\\"));
  EXPECT_FALSE(Files().DirectoryExists("C:\\w\\plain.doc"));
}

TEST_F(FileSystemTest, ABasicSearchTellsKindsButNotReadOnlyFiles) {
  const auto locked = temp_.WriteFile("c/w/locked.doc", "");
  temp_.WriteFile("c/w/.hidden.doc", "");
  temp_.MakeDir("c/w/Sub.doc");
  fs::permissions(locked, fs::perms::owner_read);

  std::map<std::string, uint32_t> found;
  FindData data;
  const SearchHandle search =
      Files().FindFirstFileEx("C:\\w\\*.doc", data, FindInfoLevel::FindExInfoBasic);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  do {
    found[data.Name] = data.Attributes;
  } while (Files().FindNextFile(search, data));
  Files().FindClose(search);

  EXPECT_EQ(found["locked.doc"], FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(found[".hidden.doc"], FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(found["Sub.doc"], FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(FileSystemTest, ListsDevicesAndDanglingLinksAsSystemFiles) {
  temp_.MakeDir("c/w");
  fs::create_symlink(temp_.Path() / "gone", c_ / "w" / "dangling");
  EXPECT_EQ(AttributesInSearch("C:\\w\\*", "dangling"), FILE_ATTRIBUTE_SYSTEM);
}

TEST_F(FileSystemTest, TellsAMissingNameFromAMissingFolder) {
  temp_.WriteFile("c/w/a.txt", "");
  EXPECT_EQ(Files().GetFileAttributes("C:\\w\\nope.txt"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(Files().LastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(Files().GetFileAttributes("C:\\nope\\a.txt"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(Files().LastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(Files().GetFileAttributes("C:\\w\\a.txt\\b"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(Files().LastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(Files().GetFileAttributes("C:\\w\\a*b"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(Files().LastError(), ERROR_INVALID_NAME);
}

TEST_F(FileSystemTest, KeepsTheCurrentDirectoryInWindowsForm) {
  temp_.MakeDir("c/Docs/Sub");
  EXPECT_EQ(Files().GetCurrentDirectory(), "C:\\");  // the test runs outside every drive
  ASSERT_TRUE(Files().SetCurrentDirectory("C:\\DOCS\\"));
  EXPECT_EQ(Files().GetCurrentDirectory(), "C:\\DOCS");  // the case as given, no "\"
  ASSERT_TRUE(Files().SetCurrentDirectory("sub"));
  EXPECT_EQ(Files().GetCurrentDirectory(), "C:\\DOCS\\sub");
  ASSERT_TRUE(Files().SetCurrentDirectory(".."));
  EXPECT_EQ(Files().GetCurrentDirectory(), "C:\\DOCS");
  ASSERT_TRUE(Files().SetCurrentDirectory("d:"));
  EXPECT_EQ(Files().GetCurrentDirectory(), "d:\\");
  ASSERT_TRUE(Files().SetCurrentDirectory("C:/Docs/Sub/../.."));
  EXPECT_EQ(Files().GetCurrentDirectory(), "C:\\");
}

TEST_F(FileSystemTest, RefusesToEnterWhatIsNoFolder) {
  temp_.WriteFile("c/Docs/a.txt", "");
  ASSERT_TRUE(Files().SetCurrentDirectory("C:\\Docs"));
  const std::vector<std::pair<std::string, uint32_t>> failures = {
      {"C:\\Nope", ERROR_FILE_NOT_FOUND},
      {"nil", ERROR_FILE_NOT_FOUND},
      {"C:\\Nope\\Deeper", ERROR_PATH_NOT_FOUND},
      {"C:\\Docs\\a.txt", ERROR_DIRECTORY},
      {"Q:\\", ERROR_PATH_NOT_FOUND},
      {"", ERROR_PATH_NOT_FOUND},
      {"\\\\server\\share", ERROR_PATH_NOT_FOUND}};
  for (const auto& [path, code] : failures) {
    EXPECT_FALSE(Files().SetCurrentDirectory(path)) << path;
    EXPECT_EQ(Files().LastError(), code) << path;
    EXPECT_EQ(Files().GetCurrentDirectory(), "C:\\Docs") << path;
  }
}

TEST_F(FileSystemTest, RefusesAFolderThatMayNotBeEntered) {
  if (geteuid() == 0) GTEST_SKIP() << "root enters every folder";
  const auto locked = temp_.MakeDir("c/Locked");
  fs::permissions(locked, fs::perms::none);
  EXPECT_FALSE(Files().SetCurrentDirectory("C:\\Locked"));
  EXPECT_EQ(Files().LastError(), ERROR_ACCESS_DENIED);
}

TEST_F(FileSystemTest, DeletesFilesButNotFoldersOrReadOnlyFiles) {
  const auto plain = temp_.WriteFile("c/w/Plain.pdf", "");
  const auto locked = temp_.WriteFile("c/w/locked.pdf", "keep");
  fs::permissions(locked, fs::perms::owner_read);
  temp_.MakeDir("c/w/Sub");

  EXPECT_TRUE(Files().DeleteFile("C:\\W\\plain.PDF"));
  EXPECT_FALSE(fs::exists(plain));
  EXPECT_FALSE(Files().DeleteFile("C:\\w\\plain.pdf"));
  EXPECT_EQ(Files().LastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(Files().DeleteFile("C:\\w\\Sub"));
  EXPECT_EQ(Files().LastError(), ERROR_ACCESS_DENIED);
  EXPECT_FALSE(Files().DeleteFile("C:\\w\\locked.pdf"));
  EXPECT_EQ(Files().LastError(), ERROR_ACCESS_DENIED);
  EXPECT_EQ(ReadFile(locked), "keep");
}

TEST_F(FileSystemTest, MovesOnlyOntoAFreeName) {
  const auto from = temp_.WriteFile("c/out/output.pdf.pdf", "new");
  const auto existing = temp_.WriteFile("c/out/Report.pdf", "old");

  EXPECT_FALSE(Files().MoveFile("C:\\OUT\\output.pdf.pdf", "C:\\out\\report.PDF"));
  EXPECT_EQ(Files().LastError(), ERROR_ALREADY_EXISTS);
  EXPECT_EQ(ReadFile(from), "new");
  EXPECT_EQ(ReadFile(existing), "old");

  EXPECT_TRUE(Files().MoveFile("C:\\OUT\\Output.PDF.pdf", "C:\\OUT\\Report__000.pdf"));
  EXPECT_FALSE(fs::exists(from));
  EXPECT_EQ(ReadFile(c_ / "out" / "Report__000.pdf"), "new");

  EXPECT_FALSE(Files().MoveFile("C:\\out\\gone.pdf", "C:\\out\\x.pdf"));
  EXPECT_EQ(Files().LastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(Files().MoveFile("C:\\out\\Report.pdf", "C:\\nowhere\\x.pdf"));
  EXPECT_EQ(Files().LastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(ReadFile(existing), "old");
}

TEST_F(FileSystemTest, MovesToAnotherLetterCaseOfTheSameName) {
  temp_.WriteFile("c/out/report.pdf", "r");
  EXPECT_TRUE(Files().MoveFile("C:\\out\\report.pdf", "C:\\out\\REPORT.pdf"));
  EXPECT_EQ(ReadFile(c_ / "out" / "REPORT.pdf"), "r");
  EXPECT_FALSE(fs::exists(c_ / "out" / "report.pdf"));
  EXPECT_TRUE(Files().MoveFile("C:\\out\\REPORT.pdf", "C:\\out\\REPORT.pdf"));
}

}  // namespace
}  // namespace platform
