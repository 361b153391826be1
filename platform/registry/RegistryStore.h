#pragma once
// The current user's registry (HKEY_CURRENT_USER), kept in one UTF-8 text file in the
// ".reg" export format. Every operation reads the file afresh, so values written by another
// process are seen; every change re-reads, changes and replaces the file atomically while it
// holds a lock on the store. A file that cannot be parsed is never overwritten.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class RegType : uint32_t {
  None = 0,
  Sz = 1,
  ExpandSz = 2,
  Binary = 3,
  Dword = 4,
};

struct RegValue {
  RegType type = RegType::Sz;
  std::string text;              // Sz, ExpandSz
  uint32_t dword = 0;            // Dword
  std::vector<uint8_t> bytes;    // Binary and every other type
  uint32_t rawType = 0;          // the stored type number for hex(n): values of other types

  static RegValue String(std::string text);
  static RegValue ExpandString(std::string text);
  static RegValue Dword(uint32_t value);
};

class RegistryStore {
 public:
  // The store file in `folder`; the folder and file are created on first write.
  explicit RegistryStore(std::filesystem::path folder);

  const std::filesystem::path& File() const;

  // Key paths are relative to HKEY_CURRENT_USER; a leading "\" is allowed and means the
  // root. Names compare without regard to ASCII letter case.
  bool KeyExists(const std::string& key) const;
  std::optional<RegValue> GetValue(const std::string& key, const std::string& name) const;
  std::vector<std::string> ValueNames(const std::string& key) const;  // in stored order
  std::vector<std::string> SubKeys(const std::string& key) const;

  // Changes. SetValue on a missing key fails (returns false); CreateKey creates parents.
  bool SetValue(const std::string& key, const std::string& name, const RegValue& value);
  bool DeleteValue(const std::string& key, const std::string& name);
  void CreateKey(const std::string& key);
  bool DeleteKey(const std::string& key);  // with its subkeys

  // Replace or merge whole files, as reg.exe's import and export do.
  void Import(const std::filesystem::path& regFile);
  bool Export(const std::string& key, const std::filesystem::path& regFile) const;

 private:
  std::filesystem::path file_;
};

}  // namespace platform
