#include "platform/hosts/MtextAsText.h"

#include <cmath>
#include <numbers>

namespace platform::hosts {
namespace {

// The groups an entity shares with any other: layer, line type, colours, line weight, space.
constexpr int kCommonCodes[] = {8, 6, 62, 420, 370, 67, 210, 220, 230};
// AutoCAD's default line spacing is 5/3 of the text height.
constexpr double kLineSpacing = 5.0 / 3.0;
constexpr double kDefaultHeight = 2.5;

// Skips a code's argument, which runs to the next ';'.
size_t SkipArgument(std::string_view value, size_t at) {
  size_t end = value.find(';', at);
  return end == std::string_view::npos ? value.size() : end + 1;
}

// "\S1^2;" (also "1/2" and "1#2") as "1/2"; `at` is after the "S".
size_t AppendStacked(std::string_view value, size_t at, std::string& line) {
  size_t end = value.find(';', at);
  std::string_view stacked =
      value.substr(at, end == std::string_view::npos ? value.npos : end - at);
  for (char c : stacked) line += (c == '^' || c == '#') ? '/' : c;
  return end == std::string_view::npos ? value.size() : end + 1;
}

// Handles the code after a backslash at `at`; returns where the text goes on.
size_t ApplyCode(std::string_view value, size_t at, std::vector<std::string>& lines) {
  char code = at < value.size() ? value[at] : '\\';
  switch (code) {
    case 'P':
    case 'X':
      lines.emplace_back();
      return at + 1;
    case '~':
      lines.back() += ' ';
      return at + 1;
    case '\\':
    case '{':
    case '}':
      lines.back() += code;
      return at + 1;
    case 'S':
      return AppendStacked(value, at + 1, lines.back());
    case 'L':
    case 'l':
    case 'O':
    case 'o':
    case 'K':
    case 'k':
      return at + 1;
    case 'U':
    case 'M':
      // A character by its code ("\U+00B0") stays as TEXT writes it.
      lines.back() += '\\';
      return at;
    default:
      // Font, height, colour, width, tracking, oblique, alignment: "\H2.5x;".
      return SkipArgument(value, at + 1);
  }
}

DxfRecord TextLine(const DxfRecord& mtext, const std::string& text, double x, double y,
                   double height, double degrees, int alignment) {
  DxfRecord line({{0, "TEXT"}});
  for (int code : kCommonCodes) {
    if (auto value = mtext.Text(code)) line.Groups().push_back({code, std::string(*value)});
  }
  std::string z(mtext.Text(30).value_or("0"));
  line.Groups().insert(line.Groups().end(), {{10, DxfRecord::Format(x)},
                                             {20, DxfRecord::Format(y)},
                                             {30, z},
                                             {40, DxfRecord::Format(height)},
                                             {1, text},
                                             {50, DxfRecord::Format(degrees)},
                                             {7, std::string(mtext.Text(7).value_or("STANDARD"))},
                                             {72, std::to_string(alignment)},
                                             {11, DxfRecord::Format(x)},
                                             {21, DxfRecord::Format(y)},
                                             {31, z}});
  return line;
}

// The rotation in degrees: the x-axis direction when given, else the angle.
double Rotation(const DxfRecord& mtext) {
  if (mtext.Text(11) && mtext.Text(21)) {
    double dx = mtext.Number(11), dy = mtext.Number(21);
    if (dx != 0 || dy != 0) return std::atan2(dy, dx) * 180 / std::numbers::pi;
  }
  return mtext.Number(50);
}

}  // namespace

std::vector<std::string> MtextLines(std::string_view value) {
  std::vector<std::string> lines(1);
  size_t at = 0;
  while (at < value.size()) {
    char c = value[at];
    if (c == '\\') {
      at = ApplyCode(value, at + 1, lines);
    } else if (c == '^' && at + 1 < value.size() && value[at + 1] == 'J') {
      lines.emplace_back();
      at += 2;
    } else if (c == '^' && at + 1 < value.size() && value[at + 1] == 'I') {
      lines.back() += ' ';
      at += 2;
    } else {
      if (c != '{' && c != '}') lines.back() += c;
      ++at;
    }
  }
  return lines;
}

std::vector<DxfRecord> MtextAsText(const DxfRecord& mtext) {
  std::string value;
  for (const DxfGroup& group : mtext.Groups()) {
    if (group.code == 3) value += group.value;
  }
  value += mtext.Text(1).value_or("");
  std::vector<std::string> lines = MtextLines(value);
  while (!lines.empty() && lines.back().find_first_not_of(' ') == std::string::npos) {
    lines.pop_back();
  }
  double height = mtext.Number(40, kDefaultHeight);
  if (height <= 0) height = kDefaultHeight;
  double spacing = kLineSpacing * height * mtext.Number(44, 1);
  int attachment = static_cast<int>(mtext.Number(71, 1));
  if (attachment < 1 || attachment > 9) attachment = 1;
  // The first baseline below the insertion point, by the attachment's row.
  double block = height + spacing * static_cast<double>(lines.size() > 0 ? lines.size() - 1 : 0);
  int row = (attachment - 1) / 3;
  double first = row == 0 ? -height : row == 1 ? block / 2 - height : block - height;
  double degrees = Rotation(mtext);
  double radians = degrees * std::numbers::pi / 180;
  double x = mtext.Number(10), y = mtext.Number(20);
  std::vector<DxfRecord> texts;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    double rise = first - spacing * static_cast<double>(i);
    texts.push_back(TextLine(mtext, lines[i], x - rise * std::sin(radians),
                             y + rise * std::cos(radians), height, degrees, (attachment - 1) % 3));
  }
  return texts;
}

}  // namespace platform::hosts
