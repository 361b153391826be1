#include "platform/registry/RegistryStore.h"

#include <utility>

namespace platform {

RegValue RegValue::String(std::string text) {
  return RegValue{RegType::Sz, std::move(text), 0, {}};
}

RegValue RegValue::ExpandString(std::string text) {
  return RegValue{RegType::ExpandSz, std::move(text), 0, {}};
}

RegValue RegValue::Dword(uint32_t value) {
  return RegValue{RegType::Dword, {}, value, {}};
}

RegValue RegValue::Bytes(RegType type, std::vector<uint8_t> bytes) {
  return RegValue{type, {}, 0, std::move(bytes)};
}

}  // namespace platform
