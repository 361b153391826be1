#pragma once
// The shell: open a document or web address with the desktop's opener, start a program and
// wait for it, and the display names and small icons of files, folders and drives from the
// system image list that the platform owns.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/files/FileSystem.h"

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
  DocWord = 8,     // .doc .docx .rtf
  DocExcel = 9,    // .xls .xlsx
  DocPowerPoint = 10,  // .ppt .pptx
  DocText = 11,    // .txt
  DocWeb = 12,     // .htm .html
  DocCad = 13,     // .dwg .dxf
  DocPdf = 14,     // .pdf
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
  std::string verb;
  std::string file;
  std::string parameters;
  std::string directory;
  uint16_t show = 0;
};

using ProcessHandle = intptr_t;

class Shell {
 public:
  // `programFolder` holds the project's own programs that stand in for Windows programs
  // ("rundll32.exe" and the like); a program is never looked up in the current directory.
  Shell(FileSystem& files, std::filesystem::path programFolder);
  ~Shell();

  // ShellExecute: documents and web addresses go to the desktop's opener (xdg-open),
  // started without a shell; the result is whether it could be started.
  bool ShellExecute(const ShellExecuteInfo& info);
  // ShellExecuteEx with SEE_MASK_NOCLOSEPROCESS: the started process, or nothing.
  std::optional<ProcessHandle> ShellExecuteEx(const ShellExecuteInfo& info);
  uint32_t WaitForSingleObject(ProcessHandle process, uint32_t milliseconds);
  std::optional<uint32_t> GetExitCodeProcess(ProcessHandle process);
  void CloseHandle(ProcessHandle process);

  // SHGetFileInfo for a drive path with SHGFI_* flags.
  ShellFileInfo GetFileInfo(const std::string& path, uint32_t flags) const;
  // The host picture of a system icon index (for the window kit): a 16 x 16 icon name.
  static std::string IconName(int index);

 private:
  struct Children;
  FileSystem& files_;
  std::filesystem::path programFolder_;
  std::unique_ptr<Children> children_;
};

}  // namespace platform
