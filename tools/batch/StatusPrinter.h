#pragma once
// Prints the main window's two status lines as they change. On a terminal both share one
// screen line, rewritten in place, and a finished file's report stays on the screen above
// it; elsewhere (a file, a pipe) every change is a line of its own.

#include <cstdio>
#include <string>

#include "convert/ConversionWindow.h"

namespace batch {

class StatusPrinter {
 public:
  StatusPrinter(std::FILE* out, bool terminal);

  void Show(StatusLine line, const std::string& text);
  // Ends the line being rewritten, so that other output starts on a line of its own.
  void EndLine();

 private:
  void Redraw();
  size_t Columns() const;

  std::FILE* out_;
  bool terminal_;
  std::string upper_;
  std::string lower_;
  bool lineOpen_ = false;
};

}  // namespace batch
