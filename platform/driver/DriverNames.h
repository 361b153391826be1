#pragma once
// The names under which the PDF printer driver is installed and steered. The driver is a
// product of its own: programs that steer it keep their own copies of these names.

namespace platform::driver {

inline constexpr char PrinterName[] = "VELTRA Ashgrove PDF Creator";
// Per-user settings (HKEY_CURRENT_USER).
inline constexpr char SettingsKey[] = "\\Software\\Quillby\\Varnel";
// Where the user's documents folder is found (value `Personal`, a drive path).
inline constexpr char ShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

}  // namespace platform::driver
