#include "platform/shell/Shell.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>

#include "platform/WinTypes.h"
#include "platform/files/ReservedCharacters.h"
#include "platform/shell/CommandLine.h"
#include "platform/shell/FileIcons.h"
#include "platform/system/CaseFolding.h"
#include "platform/system/System.h"

namespace platform {
namespace {

// "http://...", "mailto:..." and the like: a scheme of two or more characters (one letter
// and a colon is a drive), or a bare "www." address.
bool IsWebAddress(const std::string& file) {
  const size_t colon = file.find(':');
  if (colon != std::string::npos && colon >= 2) {
    const auto scheme = file.substr(0, colon);
    return std::isalpha(static_cast<unsigned char>(scheme[0])) &&
           std::all_of(scheme.begin(), scheme.end(), [](char c) {
             return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
           });
  }
  return System::LowerAscii(file.substr(0, 4)) == "www.";
}

bool IsBareName(const std::string& file) {
  return file.find_first_of("\\/:") == std::string::npos;
}

// The extensions that Windows starts as programs; every other file is a document.
bool IsProgramName(const std::string& file) {
  const size_t dot = file.rfind('.');
  if (dot == std::string::npos) return false;
  const std::string extension = System::LowerAscii(file.substr(dot));
  return extension == ".exe" || extension == ".com" || extension == ".bat" || extension == ".cmd";
}

bool IsRunnable(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error) && access(file.c_str(), X_OK) == 0;
}

std::string DriveLabel(const std::filesystem::path& folder, char letter) {
  const std::string name = folder.filename().string();
  return (name.empty() ? "File System" : name) + " (" + letter + ":)";
}

int DriveIcon(uint32_t driveType) {
  switch (driveType) {
    case DRIVE_REMOTE:
      return static_cast<int>(SystemIcon::DriveRemote);
    case DRIVE_REMOVABLE:
    case DRIVE_NO_ROOT_DIR:
      return static_cast<int>(SystemIcon::DriveRemovable);
    case DRIVE_CDROM:
      return static_cast<int>(SystemIcon::DriveCdrom);
    default:
      return static_cast<int>(SystemIcon::DriveFixed);
  }
}

}  // namespace

Shell::Shell(FileSystem& files, std::filesystem::path programFolder)
    : files_(files), programFolder_(std::move(programFolder)) {}

Shell::~Shell() = default;

void Shell::SetOpener(std::string opener) {
  opener_ = std::move(opener);
}

void Shell::SetChildEnvironment(const std::string& name, const std::string& value) {
  std::erase_if(environment_, [&](const std::string& e) { return e.starts_with(name + "="); });
  environment_.push_back(name + "=" + value);
}

bool Shell::ShellExecute(const ShellExecuteInfo& info) {
  const auto process = ShellExecuteEx(info);
  if (process) CloseHandle(*process);
  return process.has_value();
}

std::optional<ProcessHandle> Shell::ShellExecuteEx(const ShellExecuteInfo& info) {
  const auto start = Plan(info);
  if (!start) return std::nullopt;
  return children_.Start(*start);
}

uint32_t Shell::WaitForSingleObject(ProcessHandle process, uint32_t milliseconds) {
  return children_.Wait(process, milliseconds);
}

std::optional<uint32_t> Shell::GetExitCodeProcess(ProcessHandle process) {
  return children_.ExitCode(process);
}

void Shell::CloseHandle(ProcessHandle process) {
  children_.Close(process);
}

std::optional<ChildStart> Shell::Plan(const ShellExecuteInfo& info) const {
  if (!info.verb.empty() && !SameTextIgnoreCase(info.verb, "open")) return std::nullopt;
  if (info.file.empty()) return std::nullopt;
  if (IsWebAddress(info.file)) {
    const bool www = System::LowerAscii(info.file.substr(0, 4)) == "www.";
    return Opener(www ? "http://" + info.file : info.file);
  }
  // The working folder: the one given, which must exist, else the current directory.
  const std::string folder = info.directory.empty() ? files_.GetCurrentDirectory() : info.directory;
  const bool folderExists = files_.DirectoryExists(folder);
  if (!info.directory.empty() && !folderExists) return std::nullopt;

  ChildStart start;
  start.environment = environment_;
  start.arguments = SplitCommandLine(info.parameters);
  if (folderExists) start.directory = files_.ToHost(folder);
  if (IsBareName(info.file)) {
    const auto program = ProgramInFolder(info.file);
    if (!program) return std::nullopt;
    start.program = program->string();
    return start;
  }
  const auto attributes = files_.GetFileAttributes(info.file);
  const auto host = files_.ToHost(info.file);
  if (attributes == INVALID_FILE_ATTRIBUTES || !host) return std::nullopt;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || !IsProgramName(info.file)) {
    return Opener(host->string());
  }
  if (!IsRunnable(*host)) return std::nullopt;
  start.program = host->string();
  return start;
}

std::optional<std::filesystem::path> Shell::ProgramInFolder(const std::string& name) const {
  std::vector<std::string> names{name};
  if (name.find('.') == std::string::npos) names.push_back(name + ".exe");
  for (const auto& wanted : names) {
    if (IsRunnable(programFolder_ / wanted)) return programFolder_ / wanted;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(programFolder_, error)) {
      const auto candidate = entry.path();
      if (SameTextIgnoreCase(candidate.filename().string(), wanted) && IsRunnable(candidate)) {
        return candidate;
      }
    }
  }
  return std::nullopt;
}

ChildStart Shell::Opener(const std::string& target) const {
  ChildStart start;
  start.program = opener_;
  start.searchPath = true;
  start.arguments = {target};
  start.environment = environment_;
  start.ownSession = true;
  return start;
}

ShellFileInfo Shell::GetFileInfo(const std::string& path, uint32_t flags,
                                 uint32_t fileAttributes) const {
  ShellFileInfo info;
  const auto current = WindowsPath::Parse(files_.GetCurrentDirectory(), WindowsPath{});
  const auto parsed = current ? WindowsPath::Parse(path, *current) : std::nullopt;
  if (!parsed) return info;
  const auto drive = files_.Drives().find(parsed->DriveLetter());
  if (parsed->parts.empty() && drive != files_.Drives().end()) {
    info.displayName = DriveLabel(drive->second, drive->first);
    info.iconIndex = DriveIcon(files_.GetDriveType(std::string{drive->first, ':', '\\'}));
  } else if ((flags & SHGFI_USEFILEATTRIBUTES) != 0 && !parsed->parts.empty()) {
    DescribeFile(info, ToHostName(parsed->parts.back()), fileAttributes, flags);
  } else {
    const auto file = files_.LocateFile(path);
    if (!file) return info;
    DescribeFile(info, file->path.filename().string(), file->attributes, flags);
  }
  if ((flags & SHGFI_SYSICONINDEX) != 0) info.imageList = SYSTEM_IMAGE_LIST;
  info.ok = true;
  return info;
}

void Shell::DescribeFile(ShellFileInfo& info, std::string hostName, uint32_t attributes,
                         uint32_t flags) {
  info.displayName = std::move(hostName);
  const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const SystemIcon open =
      (flags & SHGFI_OPENICON) != 0 ? SystemIcon::FolderOpen : SystemIcon::Folder;
  info.iconIndex = static_cast<int>(folder ? open : IconForFileName(info.displayName));
}

std::string Shell::IconName(int index) {
  return FreedesktopIconName(index);
}

}  // namespace platform
