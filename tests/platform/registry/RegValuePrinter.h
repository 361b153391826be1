#pragma once
// Readable registry values in test failure messages.

#include <ostream>

#include "platform/registry/RegistryStore.h"

namespace platform {

inline void PrintTo(const RegValue& value, std::ostream* out) {
  *out << "{type " << static_cast<uint32_t>(value.type) << ", text \"" << value.text << "\", dword "
       << value.dword << ", " << value.bytes.size() << " bytes:";
  for (uint8_t byte : value.bytes) *out << ' ' << static_cast<int>(byte);
  *out << "}";
}

}  // namespace platform
