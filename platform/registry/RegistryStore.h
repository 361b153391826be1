#pragma once
// The current user's registry (HKEY_CURRENT_USER), kept in one UTF-8 text file, "user.reg",
// in the ".reg" export format. Every operation reads the file afresh, so values written by
// another process are seen; every change re-reads, changes and replaces the file atomically
// while it holds an exclusive lock on the store, so concurrent writers lose nothing. A file
// that cannot be parsed is never overwritten: every operation raises platform::Error naming
// the file and the line.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// The type numbers of Windows. Any other number is kept as it is, its data as bytes.
enum class RegType : uint32_t {
  None = 0,
  Sz = 1,
  ExpandSz = 2,
  Binary = 3,
  Dword = 4,
  MultiSz = 7,
  Qword = 11,
};

struct RegValue {
  RegType type = RegType::Sz;
  std::string text;            // Sz, ExpandSz
  uint32_t dword = 0;          // Dword
  std::vector<uint8_t> bytes;  // every other type

  static RegValue String(std::string text);
  static RegValue ExpandString(std::string text);
  static RegValue Dword(uint32_t value);
  static RegValue Bytes(RegType type, std::vector<uint8_t> bytes);
  bool operator==(const RegValue&) const = default;
};

class RegHive;

class RegistryStore {
 public:
  // The store file in `folder`; the folder and file are created on first write.
  explicit RegistryStore(std::filesystem::path folder);

  // The current user's store folder: $SHEAFMILL_PROFILE, else $XDG_CONFIG_HOME/sheafmill,
  // else ~/.config/sheafmill.
  static std::filesystem::path UserFolder();

  const std::filesystem::path& File() const;

  // Key paths are relative to HKEY_CURRENT_USER; a leading "\" is allowed and means the
  // root. Key and value names compare without regard to ASCII letter case.
  bool KeyExists(const std::string& key) const;
  std::optional<RegValue> GetValue(const std::string& key, const std::string& name) const;
  std::vector<std::string> ValueNames(const std::string& key) const;  // in stored order
  std::vector<std::pair<std::string, RegValue>> Values(const std::string& key) const;
  std::vector<std::string> SubKeys(const std::string& key) const;  // sorted, as stored
  // The key's path with its letter case as stored; nothing when the key is missing.
  std::optional<std::string> StoredKeyName(const std::string& key) const;

  // Changes. SetValue and DeleteValue on a missing key fail (return false); CreateKey
  // creates the parents too; DeleteKey removes the subkeys too and never the root.
  bool SetValue(const std::string& key, const std::string& name, const RegValue& value);
  bool DeleteValue(const std::string& key, const std::string& name);
  void CreateKey(const std::string& key);
  bool DeleteKey(const std::string& key);

  // Merges a ".reg" file (UTF-8, or UTF-16 with its byte-order mark, as Windows writes
  // them) into the store; nothing changes when the file has an error.
  void Import(const std::filesystem::path& regFile);
  // Writes the key and its subkeys as a ".reg" file; false when the key is missing.
  bool Export(const std::string& key, const std::filesystem::path& regFile) const;

 private:
  void Read(const std::function<void(const RegHive&)>& reader) const;
  // Applies `change` under the exclusive lock; the file is replaced when it returns true.
  bool Change(const std::function<bool(RegHive&)>& change);

  std::filesystem::path folder_;
  std::filesystem::path file_;
};

}  // namespace platform
