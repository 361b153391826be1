#pragma once
// A drive path taken apart: its drive letter and its folder names, with "." and ".." already
// applied, kept in the letter case in which they were written.

#include <optional>
#include <string>
#include <vector>

namespace platform {

struct WindowsPath {
  char drive = 'C';                // as written; DriveLetter() gives it in upper case
  std::vector<std::string> parts;  // empty at the drive root

  char DriveLetter() const;
  // "C:\Docs\a.doc", or "C:\" at the root: no trailing "\" otherwise.
  std::string ToString() const;

  // Parses `text` ("C:\Docs", "C:Docs", "\Docs", "Docs\..\a.doc"; "/" may stand for "\")
  // against the absolute path `current`. Nothing for an empty text or one that names no
  // drive letter ("\\server\share", "1:\").
  static std::optional<WindowsPath> Parse(const std::string& text, const WindowsPath& current);
};

// True when Windows accepts `name` as one component of a path: no "\ / : * ? " < > |", no
// control character, not empty.
bool IsValidFileName(const std::string& name);

}  // namespace platform
