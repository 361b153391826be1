#pragma once
// One record of a drawing interchange file (ASCII DXF): the group that starts with code 0
// (its type: SECTION, LAYER, LINE, ...) and the groups up to the next one.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::hosts {

struct DxfGroup {
  int code;
  std::string value;
};

class DxfRecord {
 public:
  DxfRecord() = default;
  explicit DxfRecord(std::vector<DxfGroup> groups) : groups_(std::move(groups)) {}

  // The value of the leading group 0; empty for the groups before the first one.
  std::string_view Type() const;
  // The first value of `code`, if any.
  std::optional<std::string_view> Text(int code) const;
  // The first value of `code` as a number; `otherwise` when missing or not a number.
  double Number(int code, double otherwise = 0) const;
  // Sets the first group of `code`, or appends one.
  void Set(int code, std::string value);

  std::vector<DxfGroup>& Groups() { return groups_; }
  const std::vector<DxfGroup>& Groups() const { return groups_; }

  // Splits the text into records; nothing when it is not a well-formed ASCII DXF.
  static std::optional<std::vector<DxfRecord>> Read(std::string_view text);
  static std::string Write(const std::vector<DxfRecord>& records);
  // A number as a DXF value, exact enough for drawing coordinates.
  static std::string Format(double number);

 private:
  std::vector<DxfGroup> groups_;
};

}  // namespace platform::hosts
