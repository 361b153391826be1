#pragma once
// Reads the ".reg" format: a header line, "[HKEY_CURRENT_USER\...]" key lines ("[-...]"
// deletes a key), and value lines "name"=data under them ("name"=- deletes a value), with
// ";" comments and hex lists continued over lines ending in "\". Errors name the source and
// the line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/RegHive.h"

namespace platform {

class RegParser {
 public:
  static constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";

  // Applies the keys and values of UTF-8 `text` (a byte-order mark is skipped) to `hive` in
  // order. Raises platform::Error naming `source` and the line at the first error; `hive` may
  // then be half changed.
  static void Apply(std::string_view text, const std::string& source, RegHive& hive);
  // The UTF-8 text of a file's bytes: UTF-16LE when they start with its byte-order mark.
  static std::string DecodeFileText(const std::string& bytes);

 private:
  RegParser(const std::string& source, RegHive& hive) : source_(source), hive_(hive) {}

  void ParseLine(std::string_view line);
  void ParseKeyLine(std::string_view line);
  void ParseValueLine(std::string_view line);
  void ParseData(const std::string& name, std::string_view data);
  RegValue ParseTyped(uint32_t type, std::string_view list) const;
  std::vector<uint8_t> ParseHexList(std::string_view list) const;
  std::string ParseQuoted(std::string_view line, size_t& pos) const;
  [[noreturn]] void Fail(const std::string& problem) const;

  const std::string& source_;
  RegHive& hive_;
  RegKeyData* key_ = nullptr;
  size_t lineNumber_ = 0;
  bool headerSeen_ = false;
};

}  // namespace platform
