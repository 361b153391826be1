#include "tools/batch/StatusPrinter.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <string_view>

namespace batch {
namespace {

// How the run reports a file that is done; such a line is kept on the terminal.
constexpr std::string_view kConverted = " Converted OK!";

// The first `columns` characters of UTF-8 text, so that the line never wraps and "\r" still
// returns to its start.
std::string Clipped(const std::string& text, size_t columns) {
  size_t characters = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (starts && ++characters > columns) return text.substr(0, i);
  }
  return text;
}

constexpr size_t kBarWidth = 20;
// A terminal narrower than this keeps its columns for the status lines.
constexpr size_t kBarMinColumns = 60;

std::string TimeLeft(double seconds) {
  const long total = static_cast<long>(seconds + 0.5);
  char text[32];
  if (total >= 3600) {
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld left", total / 3600, total / 60 % 60,
                  total % 60);
  } else {
    std::snprintf(text, sizeof text, "%ld:%02ld left", total / 60, total % 60);
  }
  return text;
}

}  // namespace

StatusPrinter::StatusPrinter(std::FILE* out, bool terminal) : out_(out), terminal_(terminal) {}

void StatusPrinter::Show(StatusLine line, const std::string& text) {
  (line == StatusLine::Upper ? upper_ : lower_) = text;
  if (!terminal_) {
    if (!text.empty()) std::fprintf(out_, "%s\n", text.c_str());
  } else if (line == StatusLine::Lower && text.ends_with(kConverted)) {
    EndLine();
    std::fprintf(out_, "%s\n", text.c_str());
    lower_.clear();
  } else {
    Redraw();
  }
  std::fflush(out_);
}

void StatusPrinter::SetProgress(size_t done, size_t total, double seconds) {
  if (!terminal_ || total == 0) return;
  const size_t filled = done * kBarWidth / total;
  progress_ = "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "] " +
              std::to_string(done) + "/" + std::to_string(total);
  if (done > 0 && done < total) {
    progress_ +=
        " " + TimeLeft(seconds / static_cast<double>(done) * static_cast<double>(total - done));
  }
}

void StatusPrinter::Print(const std::string& line) {
  EndLine();
  std::fprintf(out_, "%s\n", line.c_str());
  std::fflush(out_);
}

void StatusPrinter::EndLine() {
  if (!lineOpen_) return;
  std::fputs("\n", out_);
  std::fflush(out_);
  lineOpen_ = false;
}

void StatusPrinter::Redraw() {
  std::string line = Columns() >= kBarMinColumns ? progress_ : "";
  if (!line.empty() && !upper_.empty()) line += "  ";
  line += upper_;
  if (!line.empty() && !lower_.empty()) line += "  ";
  line += lower_;
  // Back to the start of the line, the new text, and the rest of the old one cleared.
  std::fprintf(out_, "\r%s\033[K", Clipped(line, Columns()).c_str());
  lineOpen_ = true;
}

size_t StatusPrinter::Columns() const {
  winsize size{};
  if (::ioctl(::fileno(out_), TIOCGWINSZ, &size) == 0 && size.ws_col > 1) {
    return size.ws_col - 1u;
  }
  return 79;
}

}  // namespace batch
