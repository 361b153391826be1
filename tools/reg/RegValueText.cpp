#include "tools/reg/RegValueText.h"

#include <cstdio>

#include "platform/registry/Utf16.h"

namespace tools {
namespace {

using platform::RegType;

std::string Hex(const std::vector<uint8_t>& bytes) {
  std::string text;
  for (uint8_t byte : bytes) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", byte);
    text += digits;
  }
  return text;
}

std::string Number(unsigned long long value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llx", value);
  return text;
}

// The strings of a REG_MULTI_SZ, shown separated by "\0" as reg.exe shows them.
std::string MultiText(const std::vector<uint8_t>& bytes) {
  std::string text = platform::Utf16LeToUtf8(bytes.data(), bytes.size() & ~size_t{1});
  while (!text.empty() && text.back() == '\0') text.pop_back();
  std::string shown;
  for (char c : text) shown += c == '\0' ? std::string("\\0") : std::string(1, c);
  return shown;
}

}  // namespace

std::string RegTypeName(RegType type) {
  switch (type) {
    case RegType::None:
      return "REG_NONE";
    case RegType::Sz:
      return "REG_SZ";
    case RegType::ExpandSz:
      return "REG_EXPAND_SZ";
    case RegType::Binary:
      return "REG_BINARY";
    case RegType::Dword:
      return "REG_DWORD";
    case RegType::MultiSz:
      return "REG_MULTI_SZ";
    case RegType::Qword:
      return "REG_QWORD";
    default:
      return "REG_UNKNOWN(" + std::to_string(static_cast<uint32_t>(type)) + ")";
  }
}

std::string RegDataText(const platform::RegValue& value) {
  switch (value.type) {
    case RegType::Sz:
    case RegType::ExpandSz:
      return value.text;
    case RegType::Dword:
      return Number(value.dword);
    case RegType::MultiSz:
      return MultiText(value.bytes);
    case RegType::Qword:
      if (value.bytes.size() == 8) {
        unsigned long long number = 0;
        for (size_t i = 8; i-- > 0;) number = number << 8 | value.bytes[i];
        return Number(number);
      }
      return Hex(value.bytes);
    default:
      return Hex(value.bytes);
  }
}

}  // namespace tools
