#include "platform/registry/RegWriter.h"

#include <cstdio>

#include "platform/registry/RegParser.h"
#include "platform/registry/Utf16.h"

namespace platform {
namespace {

constexpr size_t kWrapColumn = 77;

std::string Quote(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

std::string HexList(std::string line, const std::vector<uint8_t>& bytes) {
  size_t lineStart = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02x", bytes[i]);
    line += hex;
    if (i + 1 == bytes.size()) break;
    line += ',';
    if (line.size() - lineStart >= kWrapColumn) {
      line += "\\\n  ";
      lineStart = line.size() - 2;
    }
  }
  return line;
}

std::vector<uint8_t> TerminatedUtf16(const std::string& text) {
  std::vector<uint8_t> bytes = Utf8ToUtf16Le(text);
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

std::string TypeTag(RegType type) {
  char tag[24];
  std::snprintf(tag, sizeof tag, "hex(%x):", static_cast<unsigned>(type));
  return tag;
}

}  // namespace

std::string RegWriter::Format(const std::vector<const RegKeyData*>& keys) {
  std::string text = std::string(RegParser::kHeader) + "\n\n";
  for (const RegKeyData* key : keys) {
    text += "[HKEY_CURRENT_USER" + (key->path.empty() ? "" : "\\" + key->path) + "]\n";
    for (const auto& [name, value] : key->values) text += FormatValue(name, value) + "\n";
    text += "\n";
  }
  return text;
}

std::string RegWriter::FormatValue(const std::string& name, const RegValue& value) {
  std::string line = (name.empty() ? "@" : Quote(name)) + "=";
  switch (value.type) {
    case RegType::Sz:
      if (value.text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos) {
        return line + Quote(value.text);
      }
      return HexList(line + TypeTag(RegType::Sz), TerminatedUtf16(value.text));
    case RegType::ExpandSz:
      return HexList(line + TypeTag(RegType::ExpandSz), TerminatedUtf16(value.text));
    case RegType::Dword: {
      char data[16];
      std::snprintf(data, sizeof data, "dword:%08x", value.dword);
      return line + data;
    }
    case RegType::Binary:
      return HexList(line + "hex:", value.bytes);
    default:
      return HexList(line + TypeTag(value.type), value.bytes);
  }
}

}  // namespace platform
