#include "platform/files/ReservedCharacters.h"

namespace platform {
namespace {

constexpr char32_t kMappedBase = 0xF000;
// The UTF-8 lead byte of U+F000 to U+F0FF, and the length of each such character.
constexpr unsigned char kMappedLead = 0xEF;
constexpr size_t kMappedLength = 3;

bool IsReserved(unsigned char c) {
  return c < 0x20 ||
         std::string_view("\"*:<>?\\|").find(static_cast<char>(c)) != std::string_view::npos;
}

void AppendMapped(std::string& name, unsigned char c) {
  const char32_t code = kMappedBase + c;
  name += static_cast<char>(kMappedLead);
  name += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
  name += static_cast<char>(0x80 | (code & 0x3F));
}

// The reserved character that `name` spells at `pos` in the mapped form, or 0.
unsigned char MappedAt(std::string_view name, size_t pos) {
  if (name.size() - pos < kMappedLength || static_cast<unsigned char>(name[pos]) != kMappedLead) {
    return 0;
  }
  const auto second = static_cast<unsigned char>(name[pos + 1]);
  const auto third = static_cast<unsigned char>(name[pos + 2]);
  if (second != 0x80 && second != 0x81) return 0;
  if ((third & 0xC0) != 0x80) return 0;
  const auto c = static_cast<unsigned char>(((second & 0x01) << 6) | (third & 0x3F));
  return c != 0 && IsReserved(c) ? c : 0;
}

}  // namespace

std::string ToWindowsName(std::string_view hostName) {
  std::string name;
  name.reserve(hostName.size());
  for (char c : hostName) {
    if (IsReserved(static_cast<unsigned char>(c))) {
      AppendMapped(name, static_cast<unsigned char>(c));
    } else {
      name += c;
    }
  }
  return name;
}

std::string ToHostName(std::string_view windowsName) {
  std::string name;
  name.reserve(windowsName.size());
  for (size_t pos = 0; pos < windowsName.size();) {
    if (unsigned char c = MappedAt(windowsName, pos)) {
      name += static_cast<char>(c);
      pos += kMappedLength;
    } else {
      name += windowsName[pos++];
    }
  }
  return name;
}

}  // namespace platform
