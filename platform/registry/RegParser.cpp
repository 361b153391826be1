#include "platform/registry/RegParser.h"

#include <charconv>

#include "platform/AsciiCase.h"
#include "platform/Error.h"
#include "platform/registry/Utf16.h"

namespace platform {
namespace {

constexpr std::string_view kRoot = "HKEY_CURRENT_USER";

std::string_view Trim(std::string_view text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool StartsWithText(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameTextAscii(text.substr(0, prefix.size()), prefix);
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// Parses all of `digits` as a hexadecimal number that fits `value`.
template <typename T>
bool ParseHex(std::string_view digits, T& value) {
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  return !digits.empty() && error == std::errc() && end == digits.data() + digits.size();
}

}  // namespace

void RegParser::Apply(std::string_view text, const std::string& source, RegHive& hive) {
  RegParser parser(source, hive);
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::string logical;
  size_t number = 0;
  while (!text.empty()) {
    size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++number;
    if (logical.empty()) parser.lineNumber_ = number;
    logical += logical.empty() ? line : Trim(line);
    // A hex list goes on after a line that ends in "\".
    bool continued =
        !logical.empty() && logical[0] != '[' && logical[0] != ';' && Trim(logical).ends_with('\\');
    if (continued) {
      logical.erase(logical.find_last_of('\\'));
      if (!text.empty()) continue;
    }
    parser.ParseLine(Trim(logical));
    logical.clear();
  }
  if (!parser.headerSeen_) {
    parser.lineNumber_ = std::max<size_t>(parser.lineNumber_, 1);
    parser.Fail("the file must start with the line " + Quoted(kHeader));
  }
}

std::string RegParser::DecodeFileText(const std::string& bytes) {
  if (!bytes.starts_with("\xFF\xFE")) return bytes;
  return Utf16LeToUtf8(reinterpret_cast<const uint8_t*>(bytes.data()) + 2, bytes.size() - 2);
}

void RegParser::ParseLine(std::string_view line) {
  if (line.empty() || line[0] == ';') return;
  if (!headerSeen_) {
    if (line != kHeader) Fail("the file must start with the line " + Quoted(kHeader));
    headerSeen_ = true;
  } else if (line[0] == '[') {
    ParseKeyLine(line);
  } else if (line[0] == '"' || line[0] == '@') {
    ParseValueLine(line);
  } else {
    Fail(Quoted(line) + " is neither a key, a value nor a comment");
  }
}

void RegParser::ParseKeyLine(std::string_view line) {
  if (!line.ends_with(']')) Fail("the key line " + Quoted(line) + " does not end with \"]\"");
  std::string_view name = line.substr(1, line.size() - 2);
  bool remove = name.starts_with('-');
  if (remove) name.remove_prefix(1);
  if (!StartsWithText(name, kRoot) || (name.size() > kRoot.size() && name[kRoot.size()] != '\\')) {
    Fail("the key " + Quoted(name) + " is not below " + std::string(kRoot));
  }
  std::string path = RegHive::Normalize(std::string(name.substr(kRoot.size())));
  if (RegHive::Depth(path) > RegHive::MaxDepth) {
    Fail("the key " + Quoted(name.substr(0, 80)) + "... is nested deeper than " +
         std::to_string(RegHive::MaxDepth) + " levels");
  }
  if (!remove) {
    key_ = &hive_.Create(path);
  } else if (path.empty()) {
    Fail(std::string(kRoot) + " itself cannot be deleted");
  } else {
    hive_.Delete(path);
    key_ = nullptr;
  }
}

void RegParser::ParseValueLine(std::string_view line) {
  if (key_ == nullptr) Fail("the value line " + Quoted(line) + " is not below a key");
  size_t pos = line[0] == '@' ? 1 : 0;
  std::string name = pos == 1 ? std::string() : ParseQuoted(line, pos);
  std::string_view rest = Trim(line.substr(pos));
  if (!rest.starts_with('=')) Fail("\"=\" is missing after the value name " + Quoted(name));
  ParseData(name, Trim(rest.substr(1)));
}

void RegParser::ParseData(const std::string& name, std::string_view data) {
  if (data == "-") {
    key_->Remove(name);
  } else if (data.starts_with('"')) {
    size_t pos = 0;
    std::string text = ParseQuoted(data, pos);
    if (pos != data.size()) Fail("unexpected text after the value of " + Quoted(name));
    key_->Set(name, RegValue::String(std::move(text)));
  } else if (StartsWithText(data, "dword:")) {
    uint32_t number = 0;
    if (data.size() > 14 || !ParseHex(data.substr(6), number)) {
      Fail("the value of " + Quoted(name) + " needs up to 8 hexadecimal digits after dword:");
    }
    key_->Set(name, RegValue::Dword(number));
  } else if (StartsWithText(data, "hex:")) {
    key_->Set(name, ParseTyped(static_cast<uint32_t>(RegType::Binary), data.substr(4)));
  } else if (size_t close = data.find("):"); StartsWithText(data, "hex(") && close != data.npos) {
    uint32_t type = 0;
    if (!ParseHex(data.substr(4, close - 4), type)) Fail("invalid type number in " + Quoted(data));
    key_->Set(name, ParseTyped(type, data.substr(close + 2)));
  } else {
    Fail("the value of " + Quoted(name) + " has unknown data " + Quoted(data));
  }
}

RegValue RegParser::ParseTyped(uint32_t type, std::string_view list) const {
  std::vector<uint8_t> bytes = ParseHexList(list);
  auto regType = static_cast<RegType>(type);
  if (regType == RegType::Dword && bytes.size() == 4) {
    return RegValue::Dword(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                           static_cast<uint32_t>(bytes[3]) << 24);
  }
  if (regType != RegType::Sz && regType != RegType::ExpandSz)
    return RegValue::Bytes(regType, bytes);
  if (bytes.size() % 2 != 0) Fail("a text value has an odd number of bytes");
  // Windows stores the terminating null character with the text.
  size_t size = bytes.size();
  if (size >= 2 && bytes[size - 1] == 0 && bytes[size - 2] == 0) size -= 2;
  std::string text = Utf16LeToUtf8(bytes.data(), size);
  return regType == RegType::Sz ? RegValue::String(text) : RegValue::ExpandString(text);
}

std::vector<uint8_t> RegParser::ParseHexList(std::string_view list) const {
  std::vector<uint8_t> bytes;
  while (!Trim(list).empty()) {
    size_t comma = std::min(list.find(','), list.size());
    uint8_t byte = 0;
    if (!ParseHex(Trim(list.substr(0, comma)), byte)) {
      Fail("invalid byte " + Quoted(Trim(list.substr(0, comma))) + " in a hex list");
    }
    bytes.push_back(byte);
    list.remove_prefix(std::min(comma + 1, list.size()));
  }
  return bytes;
}

std::string RegParser::ParseQuoted(std::string_view line, size_t& pos) const {
  std::string text;
  for (size_t i = pos + 1; i < line.size(); ++i) {
    if (line[i] == '"') {
      pos = i + 1;
      return text;
    }
    bool escape =
        line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '\\' || line[i + 1] == '"');
    text += line[escape ? ++i : i];
  }
  Fail("the text " + Quoted(line.substr(pos)) + " has no closing quote");
}

void RegParser::Fail(const std::string& problem) const {
  throw Error("The registry file \"" + source_ + "\" has an error in line " +
              std::to_string(lineNumber_) + ": " + problem + ".");
}

}  // namespace platform
