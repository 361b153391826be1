#pragma once
// An open registry key, as the program uses one: opened without being created, for reading
// or for writing, then read or written value by value, then closed.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/registry/RegistryStore.h"

namespace platform {

class RegKey {
 public:
  // Opens an existing key; a missing key gives nothing and reports nothing. `access` is
  // KEY_READ, KEY_WRITE or KEY_ALL_ACCESS.
  static std::optional<RegKey> Open(RegistryStore& store, const std::string& path, uint32_t access);

  bool ValueExists(const std::string& name) const;
  // REG_SZ, or REG_EXPAND_SZ unexpanded; a missing value reads as empty text; another type
  // raises ERegistryException "Invalid data type for '<name>'".
  std::string ReadString(const std::string& name) const;
  // REG_DWORD; a missing value or another type raises "Invalid data type for '<name>'".
  int32_t ReadInteger(const std::string& name) const;
  // REG_DWORD and REG_SZ. A key opened without KEY_SET_VALUE, or deleted since it was
  // opened, raises ERegistryException "Failed to set data for '<name>'".
  void WriteInteger(const std::string& name, int32_t value);
  void WriteString(const std::string& name, const std::string& value);
  // Any use after Close raises platform::Error.
  void Close();

 private:
  RegKey(RegistryStore& store, std::string path, uint32_t access);
  RegistryStore& Store() const;
  void Write(const std::string& name, const RegValue& value);
  RegistryStore* store_;
  std::string path_;
  uint32_t access_;
};

}  // namespace platform
