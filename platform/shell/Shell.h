#pragma once
// The shell: open a document or web address with the desktop's opener, start a program and
// wait for it, and the display names and small icons of files, folders and drives from the
// system image list that the platform owns.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/files/FileSystem.h"
#include "platform/shell/ChildProcesses.h"

namespace platform {

// The system image list of small icons: fixed indices the platform owns.
enum class SystemIcon : int {
  GenericFile = 0,
  Folder = 1,
  FolderOpen = 2,
  DriveFixed = 3,
  DriveRemovable = 4,
  DriveRemote = 5,
  DriveCdrom = 6,
  DriveRamdisk = 7,
  DocWord = 8,         // .doc .docx .rtf
  DocExcel = 9,        // .xls .xlsx
  DocPowerPoint = 10,  // .ppt .pptx
  DocText = 11,        // .txt
  DocWeb = 12,         // .htm .html
  DocCad = 13,         // .dwg .dxf
  DocPdf = 14,         // .pdf
  Count = 15,
};

inline constexpr intptr_t SYSTEM_IMAGE_LIST = 0x5157;  // the handle of the one system list

struct ShellFileInfo {
  int iconIndex = 0;
  std::string displayName;
  intptr_t imageList = 0;  // SYSTEM_IMAGE_LIST when SHGFI_SYSICONINDEX was asked
  bool ok = false;         // the path was found
};

struct ShellExecuteInfo {
  std::string verb;        // "open" or empty; no other verb is offered
  std::string file;        // a web address, a document or folder, or a program
  std::string parameters;  // for programs, split as Windows programs split them
  std::string directory;   // empty: the current directory
  uint16_t show = 0;       // window placement is the started program's own business here
};

class Shell {
 public:
  // `programFolder` holds the project's own programs that stand in for Windows programs
  // ("rundll32.exe" and the like). A program named without a folder is looked for there
  // only, by name with letter case ignored: never in the current directory, never on PATH.
  Shell(FileSystem& files, std::filesystem::path programFolder);
  ~Shell();
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  // The desktop's opener of documents and web addresses: "xdg-open", found on PATH.
  void SetOpener(std::string opener);
  // A variable that every started program finds in its environment (the profile, ...).
  void SetChildEnvironment(const std::string& name, const std::string& value);

  // ShellExecute: web addresses ("http://...", "www...."), documents and folders go to the
  // opener, programs are started; nothing waits for them. The result is whether it could
  // be started.
  bool ShellExecute(const ShellExecuteInfo& info);
  // ShellExecuteEx with SEE_MASK_NOCLOSEPROCESS: the started process, or nothing when it
  // cannot be started (unknown program, missing document or working folder, other verb).
  std::optional<ProcessHandle> ShellExecuteEx(const ShellExecuteInfo& info);
  uint32_t WaitForSingleObject(ProcessHandle process, uint32_t milliseconds);
  std::optional<uint32_t> GetExitCodeProcess(ProcessHandle process);
  void CloseHandle(ProcessHandle process);

  // SHGetFileInfo for a drive path with SHGFI_* flags. A drive root is named after its
  // host folder and its letter ("ann (C:)", "File System (Z:)"), a file or folder as the
  // host spells it. A path that does not exist gives ok = false and index 0. With
  // SHGFI_USEFILEATTRIBUTES a file or folder is taken to exist with `fileAttributes`, and
  // nothing is looked up: a caller that has just listed a folder need not pay a lookup per
  // entry.
  ShellFileInfo GetFileInfo(const std::string& path, uint32_t flags,
                            uint32_t fileAttributes = 0) const;
  // The host picture of a system icon index (for the window kit): a freedesktop icon name.
  static std::string IconName(int index);

 private:
  std::optional<ChildStart> Plan(const ShellExecuteInfo& info) const;
  std::optional<std::filesystem::path> ProgramInFolder(const std::string& name) const;
  ChildStart Opener(const std::string& target) const;
  static void DescribeFile(ShellFileInfo& info, std::string hostName, uint32_t attributes,
                           uint32_t flags);

  FileSystem& files_;
  std::filesystem::path programFolder_;
  std::string opener_ = "xdg-open";
  std::vector<std::string> environment_;
  ChildProcesses children_;
};

}  // namespace platform
