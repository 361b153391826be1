// The file system of Windows itself: drive paths are the system's own, searched, entered,
// deleted and renamed by the kernel's calls, which leave their error codes in LastError().

#include "platform/files/FileSystem.h"

#include <cwctype>

#include "platform/files/FolderNames.h"
#include "platform/files/FolderSearch.h"
#include "platform/files/WildcardPattern.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace platform {
namespace {

using win32::Narrow;
using win32::Wide;

HANDLE SearchOf(SearchHandle handle) {
  return reinterpret_cast<HANDLE>(handle);
}

void Fill(const WIN32_FIND_DATAW& found, FindData& data) {
  data.Attributes = found.dwFileAttributes;
  data.Name = Narrow(found.cFileName);
}

// A drive given as "C:" is its root, as GetDriveType wants it.
std::wstring RootOf(const std::string& root) {
  std::wstring wide = Wide(root);
  if (wide.size() == 2 && wide[1] == L':') wide += L'\\';
  return wide;
}

std::wstring FullPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return {};
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  full.resize(length < size ? length : 0);
  return full;
}

// Windows says ERROR_DIRECTORY for a search in a file named as a folder; Wine says that the
// name is invalid. The callers tell the two apart, so both say what Windows says.
uint32_t SearchError(const std::string& pattern, uint32_t error) {
  if (error != ERROR_INVALID_NAME) return error;
  const size_t slash = pattern.find_last_of('\\');
  if (slash == std::string::npos) return error;
  const DWORD attributes = GetFileAttributesW(Wide(pattern.substr(0, slash)).c_str());
  const bool file =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  return file ? ERROR_DIRECTORY : error;
}

}  // namespace

FileSystem::FileSystem(DriveMap drives, std::filesystem::path windowsDir)
    : drives_(std::move(drives)), windowsDir_(std::move(windowsDir)) {}

FileSystem::~FileSystem() = default;

std::optional<std::string> FileSystem::DiskSpelling(const std::string& winPath) const {
  const std::wstring full = FullPath(Wide(winPath));
  // Drive paths only ("X:\..."): a network path has no letter to spell.
  if (full.size() < 3 || full[1] != L':' || full[2] != L'\\') return {};
  std::wstring spelt = full.substr(0, 3);
  spelt[0] = static_cast<wchar_t>(std::towupper(spelt[0]));
  if (GetFileAttributesW(spelt.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
  size_t start = 3;
  while (start < full.size()) {
    size_t end = full.find(L'\\', start);
    if (end == std::wstring::npos) end = full.size();
    const std::wstring name = full.substr(start, end - start);
    start = end + 1;
    if (name.empty()) continue;
    WIN32_FIND_DATAW found{};
    const std::wstring path = spelt + (spelt.back() == L'\\' ? L"" : L"\\") + name;
    const HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == win32::InvalidHandle()) return {};
    ::FindClose(search);
    spelt = path.substr(0, path.size() - name.size()) + found.cFileName;
  }
  return Narrow(spelt);
}

uint32_t FileSystem::GetLogicalDrives() const {
  return ::GetLogicalDrives();
}

uint32_t FileSystem::GetDriveType(const std::string& root) const {
  if (root.empty()) return GetDriveTypeW(nullptr);
  return GetDriveTypeW(RootOf(root).c_str());
}

std::string FileSystem::GetWindowsDirectory() const {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
  return length > 0 && length < MAX_PATH ? Narrow(std::wstring_view(folder, length)) : "";
}

SearchHandle FileSystem::FindFirstFile(const std::string& pattern, FindData& data) {
  return FindFirstFileEx(pattern, data, FindInfoLevel::FindExInfoStandard);
}

SearchHandle FileSystem::FindFirstFileEx(const std::string& pattern, FindData& data,
                                         FindInfoLevel level) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileExW(
      Wide(pattern).c_str(),
      level == FindInfoLevel::FindExInfoBasic ? ::FindExInfoBasic : ::FindExInfoStandard, &found,
      FindExSearchNameMatch, nullptr, 0);
  const auto handle = reinterpret_cast<SearchHandle>(search);
  if (handle == INVALID_HANDLE_VALUE) {
    Fail(SearchError(pattern, GetLastError()));
    return handle;
  }
  lastError_ = ERROR_SUCCESS;
  Fill(found, data);
  return handle;
}

bool FileSystem::FindNextFile(SearchHandle handle, FindData& data) {
  WIN32_FIND_DATAW found{};
  if (!FindNextFileW(SearchOf(handle), &found)) return Fail(GetLastError());
  Fill(found, data);
  return true;
}

bool FileSystem::FindClose(SearchHandle handle) {
  return ::FindClose(SearchOf(handle)) || Fail(GetLastError());
}

uint32_t FileSystem::GetFileAttributes(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  lastError_ = attributes == INVALID_FILE_ATTRIBUTES ? GetLastError() : ERROR_SUCCESS;
  return attributes;
}

bool FileSystem::FileExists(const std::string& path) {
  const uint32_t attributes = GetFileAttributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FileSystem::DirectoryExists(const std::string& path) {
  const uint32_t attributes = GetFileAttributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<int64_t> FileSystem::GetLastWriteTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) {
    Fail(GetLastError());
    return {};
  }
  // FILETIME counts 100 ns.
  const uint64_t ticks =
      (uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
  return static_cast<int64_t>(ticks) * 100;
}

std::string FileSystem::GetCurrentDirectory() const {
  const DWORD size = GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(size, L'\0');
  const DWORD length = GetCurrentDirectoryW(size, folder.data());
  return length < size ? Narrow(std::wstring_view(folder.data(), length)) : "";
}

bool FileSystem::SetCurrentDirectory(const std::string& path) {
  return SetCurrentDirectoryW(Wide(path).c_str()) || Fail(GetLastError());
}

bool FileSystem::DeleteFile(const std::string& path) {
  return DeleteFileW(Wide(path).c_str()) || Fail(GetLastError());
}

bool FileSystem::MoveFile(const std::string& from, const std::string& to) {
  return MoveFileW(Wide(from).c_str(), Wide(to).c_str()) || Fail(GetLastError());
}

uint32_t FileSystem::LastError() const {
  return lastError_;
}

bool FileSystem::MatchesPattern(const std::string& pattern, const std::string& name) {
  return WildcardPattern(pattern).Matches(name);
}

bool FileSystem::Fail(uint32_t error) const {
  lastError_ = error;
  return false;
}

}  // namespace platform
