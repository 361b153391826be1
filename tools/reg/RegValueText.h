#pragma once
// Registry values as the "reg query" command shows them: the type's name ("REG_SZ") and the
// data (texts as they are, numbers as 0x..., bytes as upper-case hex digits).

#include <string>

#include "platform/registry/RegistryStore.h"

namespace tools {

std::string RegTypeName(platform::RegType type);
std::string RegDataText(const platform::RegValue& value);

}  // namespace tools
