#pragma once
// Prints the main window's two status lines as they change. On a terminal both share one
// screen line, rewritten in place, and a finished file's report stays on the screen above
// it, after a progress bar of the documents done; elsewhere (a file, a pipe) every change is a
// line of its own.

#include <cstdio>
#include <string>

#include "convert/ConversionWindow.h"

namespace batch {

class StatusPrinter {
 public:
  StatusPrinter(std::FILE* out, bool terminal);

  void Show(StatusLine line, const std::string& text);
  // `done` of `total` documents after `seconds`, with the time left when it can be told;
  // shown on a terminal from the next change on.
  void SetProgress(size_t done, size_t total, double seconds);
  bool Terminal() const { return terminal_; }
  // A line of its own, kept on a terminal too.
  void Print(const std::string& line);
  // Ends the line being rewritten, so that other output starts on a line of its own.
  void EndLine();

 private:
  void Redraw();
  size_t Columns() const;

  std::FILE* out_;
  bool terminal_;
  std::string upper_;
  std::string lower_;
  std::string progress_;
  bool lineOpen_ = false;
};

}  // namespace batch
