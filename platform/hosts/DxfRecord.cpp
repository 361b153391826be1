#include "platform/hosts/DxfRecord.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace platform::hosts {
namespace {

std::string_view Trimmed(std::string_view text) {
  size_t start = text.find_first_not_of(" \t\r");
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(" \t\r") - start + 1);
}

// The next line without its end; moves `at` past it.
std::string_view NextLine(std::string_view text, size_t& at) {
  size_t end = text.find('\n', at);
  std::string_view line = text.substr(at, end == std::string_view::npos ? text.npos : end - at);
  at = end == std::string_view::npos ? text.size() : end + 1;
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

}  // namespace

std::string_view DxfRecord::Type() const {
  return !groups_.empty() && groups_.front().code == 0 ? std::string_view(groups_.front().value)
                                                       : std::string_view();
}

std::optional<std::string_view> DxfRecord::Text(int code) const {
  for (const DxfGroup& group : groups_) {
    if (group.code == code) return group.value;
  }
  return std::nullopt;
}

double DxfRecord::Number(int code, double otherwise) const {
  std::optional<std::string_view> text = Text(code);
  if (!text) return otherwise;
  std::string value(Trimmed(*text));
  char* end = nullptr;
  double number = std::strtod(value.c_str(), &end);
  return end != value.c_str() ? number : otherwise;
}

void DxfRecord::Set(int code, std::string value) {
  for (DxfGroup& group : groups_) {
    if (group.code == code) {
      group.value = std::move(value);
      return;
    }
  }
  groups_.push_back({code, std::move(value)});
}

std::optional<std::vector<DxfRecord>> DxfRecord::Read(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<DxfRecord> records(1);
  size_t at = 0;
  while (at < text.size()) {
    std::string_view codeText = Trimmed(NextLine(text, at));
    if (codeText.empty() && at >= text.size()) break;
    int code = 0;
    auto [end, error] = std::from_chars(codeText.data(), codeText.data() + codeText.size(), code);
    if (error != std::errc() || end != codeText.data() + codeText.size() || at >= text.size()) {
      return std::nullopt;
    }
    std::string_view value = NextLine(text, at);
    if (code == 0) records.emplace_back();
    records.back().groups_.push_back({code, std::string(code == 0 ? Trimmed(value) : value)});
  }
  return records;
}

std::string DxfRecord::Write(const std::vector<DxfRecord>& records) {
  std::string text;
  for (const DxfRecord& record : records) {
    for (const DxfGroup& group : record.groups_) {
      text += std::to_string(group.code);
      text += '\n';
      text += group.value;
      text += '\n';
    }
  }
  return text;
}

std::string DxfRecord::Format(double number) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.10g", number);
  return buffer;
}

}  // namespace platform::hosts
