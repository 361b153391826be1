#pragma once
// Writes keys and their values in the ".reg" format as Windows exports them: texts quoted
// with "\\" and "\"" escaped, dwords as dword:xxxxxxxx, expandable texts as hex(2): in
// UTF-16LE, other data as hex lists wrapped at 80 columns. A text that a quoted line cannot
// hold (a line break or a null character) is written as hex(1): so that nothing is lost.

#include <string>
#include <vector>

#include "platform/registry/RegHive.h"

namespace platform {

class RegWriter {
 public:
  // The whole file: header line, then each key with its values, each followed by an empty line.
  static std::string Format(const std::vector<const RegKeyData*>& keys);
  static std::string FormatValue(const std::string& name, const RegValue& value);
};

}  // namespace platform
