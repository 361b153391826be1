#include "platform/files/WindowsPath.h"

#include <algorithm>

namespace platform {
namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Applies the components of `rest` to `path`: "." stays, ".." climbs (never above the
// root), repeated separators count once.
void Append(WindowsPath& path, const std::string& rest) {
  size_t start = 0;
  while (start <= rest.size()) {
    size_t end = start;
    while (end < rest.size() && !IsSeparator(rest[end])) ++end;
    const std::string part = rest.substr(start, end - start);
    if (part == "..") {
      if (!path.parts.empty()) path.parts.pop_back();
    } else if (!part.empty() && part != ".") {
      path.parts.push_back(part);
    }
    start = end + 1;
  }
}

}  // namespace

char WindowsPath::DriveLetter() const {
  return drive >= 'a' && drive <= 'z' ? static_cast<char>(drive - 'a' + 'A') : drive;
}

std::string WindowsPath::ToString() const {
  std::string text{drive, ':'};
  if (parts.empty()) return text + "\\";
  for (const auto& part : parts) text += "\\" + part;
  return text;
}

std::optional<WindowsPath> WindowsPath::Parse(const std::string& text, const WindowsPath& current) {
  if (text.empty()) return std::nullopt;
  if (text.size() >= 2 && IsSeparator(text[0]) && IsSeparator(text[1])) return std::nullopt;
  WindowsPath path = current;
  std::string rest = text;
  if (text.size() >= 2 && text[1] == ':') {
    if (!IsAsciiLetter(text[0])) return std::nullopt;
    rest = text.substr(2);
    // "E:name" is relative to the current directory only on the current drive.
    const bool sameDrive = WindowsPath{text[0], {}}.DriveLetter() == current.DriveLetter();
    const bool absolute = !rest.empty() && IsSeparator(rest[0]);
    if (!sameDrive || absolute) path = WindowsPath{text[0], {}};
  }
  if (!rest.empty() && IsSeparator(rest[0])) path.parts.clear();
  Append(path, rest);
  return path;
}

bool IsValidFileName(const std::string& name) {
  if (name.empty()) return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 ||
           std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
  });
}

}  // namespace platform
