#include "platform/system/System.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/printing/Printers.h"
#include "platform/shell/Shell.h"
#include "platform/system/NamedLock.h"
#include "platform/win32/WinApi.h"
// After WinApi.h: it needs <windows.h>.
#include <commctrl.h>
#include "tests/support/win32/TempDir.h"

namespace {

using namespace platform;

TEST(SystemTest, ThisThirtyTwoBitBuildRunsUnderWow64) {
  static_assert(sizeof(void*) == 4);
  System system;
  EXPECT_EQ(system.IsWow64Process(), std::optional<bool>(true));
  system.SetWow64(false);
  EXPECT_EQ(system.IsWow64Process(), std::optional<bool>(false));
  const LocalDate today = system.CurrentDate();
  EXPECT_GE(today.year, 2000);
  EXPECT_GE(today.month, 1);
  const uint32_t saved = system.SetErrorMode(SEM_FAILCRITICALERRORS);
  EXPECT_EQ(system.SetErrorMode(saved) & SEM_FAILCRITICALERRORS, SEM_FAILCRITICALERRORS);
}

TEST(SystemTest, SortKeysSortAsCompareStringCompares) {
  EXPECT_LT(System::CompareString("apple", "Ärger", true), 0);
  EXPECT_LT(System::CompareString("Ärger", "Bach", true), 0);
  EXPECT_EQ(System::CompareString("ärger", "ÄRGER", true), 0);
  EXPECT_LT(System::CompareString("ärger", "ÄRGER", false), 0);
  EXPECT_GT(System::CompareString("Bach", "apple", false), 0);
  EXPECT_EQ(System::CompareTextIgnoreCase("C:\\Ärger\\A.DOC", "c:\\ärger\\a.doc"), 0);
  EXPECT_TRUE(System::SameTextIgnoreCase("Ωmega", "ωMEGA"));
  EXPECT_FALSE(System::SameTextIgnoreCase("a.doc", "a.docx"));
  EXPECT_EQ(System::UpperAscii("äbc.doc"), "äBC.DOC");
  EXPECT_EQ(System::LowerAscii("ÄBC.DOC"), "Äbc.doc");

  std::vector<std::string> names = {"zebra",  "Bach",  "ärger", "-dash", "apple", "Apple2",
                                    "10.doc", "9.doc", "Ärger", "a b",   "ab"};
  std::vector<std::string> byKey = names;
  std::vector<std::string> byCompare = names;
  std::stable_sort(byKey.begin(), byKey.end(), [](const std::string& a, const std::string& b) {
    return System::SortKey(a) < System::SortKey(b);
  });
  std::stable_sort(byCompare.begin(), byCompare.end(),
                   [](const std::string& a, const std::string& b) {
                     return System::CompareString(a, b, true) < 0;
                   });
  EXPECT_EQ(byKey, byCompare);
  EXPECT_EQ(System::SortKey("ÄRGER"), System::SortKey("ärger"));
  EXPECT_FALSE(System::SortKey("a").empty());
}

TEST(SystemTest, ANamedLockHasOneHolderWhoseNameOthersRead) {
  testsupport::TempDir temp;
  const Locks locks(temp.Path() / "profile");
  const auto first = locks.Open("convert-run");
  const auto second = locks.Open("convert-run");
  EXPECT_EQ(second->Holder(), "");
  ASSERT_TRUE(first->TryAcquire()) << first->Problem();
  EXPECT_TRUE(first->TryAcquire());
  EXPECT_FALSE(second->TryAcquire());
  EXPECT_EQ(second->Problem(), "");
  EXPECT_EQ(second->Holder(), NamedLock::ThisProcess());
  EXPECT_NE(
      NamedLock::ThisProcess().find("(process " + std::to_string(GetCurrentProcessId()) + ")"),
      std::string::npos);
  EXPECT_TRUE(second->HeldByThisProcess());
  first->Release();
  EXPECT_EQ(second->Holder(), "");
  EXPECT_TRUE(second->TryAcquire());
  EXPECT_FALSE(first->TryAcquire());
}

TEST(SystemTest, TheShellNamesFilesFromTheSystemImageList) {
  testsupport::TempDir temp;
  FileSystem files{DriveMap{}, ""};
  platform::Shell shell(files, "");
  const std::string document = temp.WriteFile("Ärger.txt", "x");
  const uint32_t flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_DISPLAYNAME;
  const ShellFileInfo file = shell.GetFileInfo(document, flags);
  ASSERT_TRUE(file.ok);
  EXPECT_NE(file.displayName.find("Ärger"), std::string::npos);
  SHFILEINFOW direct{};
  const auto list = static_cast<intptr_t>(
      SHGetFileInfoW(L"C:\\", 0, &direct, sizeof direct, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  EXPECT_EQ(file.imageList, list);
  int width = 0;
  int height = 0;
  ASSERT_TRUE(ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(file.imageList), &width, &height));
  EXPECT_EQ(width, GetSystemMetrics(SM_CXSMICON));
  EXPECT_LT(file.iconIndex, ImageList_GetImageCount(reinterpret_cast<HIMAGELIST>(file.imageList)));

  const ShellFileInfo folder = shell.GetFileInfo(temp.Win(), flags);
  ASSERT_TRUE(folder.ok);
  EXPECT_NE(folder.iconIndex, file.iconIndex);
  const std::string named = temp.MakeDir("Ärger Ordner");
  for (const uint32_t lookup : {0u, SHGFI_USEFILEATTRIBUTES}) {
    EXPECT_EQ(shell.GetFileInfo(named + "\\", flags | lookup, 0x10).displayName, "Ärger Ordner");
  }
  const ShellFileInfo virtualFile =
      shell.GetFileInfo(temp.Win("gone.txt"), flags | SHGFI_USEFILEATTRIBUTES, 0x80);
  EXPECT_TRUE(virtualFile.ok);
  EXPECT_EQ(virtualFile.iconIndex, file.iconIndex);
  EXPECT_FALSE(shell.GetFileInfo(temp.Win("gone.txt"), flags).ok);
}

TEST(SystemTest, TheShellStartsAProgramAndWaitsForIt) {
  FileSystem files{DriveMap{}, ""};
  platform::Shell shell(files, "");
  ShellExecuteInfo info{"open", "cmd.exe", "/c exit 7", "", SW_HIDE};
  const std::optional<ProcessHandle> process = shell.ShellExecuteEx(info);
  ASSERT_TRUE(process.has_value());
  EXPECT_EQ(shell.WaitForSingleObject(*process, 30000), WAIT_OBJECT_0);
  EXPECT_EQ(shell.GetExitCodeProcess(*process), std::optional<uint32_t>(7));
  shell.CloseHandle(*process);
  // A missing program is not tried here: the shell shows its own error box and waits for it.
}

TEST(SystemTest, PrintersAreTheSpoolersAndTheDefaultIsTheProfiles) {
  RegistryStore store("");
  Printers printers(store);
  const EnumPrintersResult all =
      printers.EnumPrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS);
  EXPECT_TRUE(all.ok);
  const EnumPrintersResult found = printers.EnumPrinters(PRINTER_ENUM_DEFAULT);
  const std::string device = printers.GetProfileString("windows", "device", "none");
  if (device == "none") {
    EXPECT_FALSE(found.ok);
    EXPECT_EQ(found.error, ERROR_INVALID_NAME);
  } else {
    ASSERT_TRUE(found.ok);
    EXPECT_EQ(device.substr(0, device.find(',')), found.printers.at(0).PrinterName);
  }
  EXPECT_EQ(printers.GetProfileString("Sheafmill-none", "missing", "Ä default"), "Ä default");
}

}  // namespace
