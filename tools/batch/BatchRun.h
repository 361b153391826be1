#pragma once
// One run of the batch tool: the main window on the headless kit, played as its user would
// play it. The folders go to the trees, the file-type boxes are clicked, the Advanced
// Options dialog is answered, Convert is pressed and at the end Exit; an interrupt presses
// Exit in the middle of the run, which stops it after the current file. The status lines
// are printed as they change and every message box goes to standard error.

#include <optional>
#include <string>

#include "app/SheafmillUnit.h"
#include "platform/Platform.h"
#include "tools/batch/BatchKit.h"
#include "tools/batch/BatchOptions.h"
#include "tools/batch/InterruptSignal.h"
#include "tools/batch/StatusPrinter.h"

namespace batch {

class BatchRun {
 public:
  BatchRun(const BatchOptions& options, BatchKit& kit, platform::Platform& platform,
           const InterruptSignal& interrupt, StatusPrinter& status);

  // The exit status: 0 when every file was converted, 1 when a message or an error report
  // appeared after start-up, InterruptSignal::kExitStatus when the run was interrupted.
  // Raises UsageError for folders that cannot be used, before the window starts.
  int Execute();

 private:
  void Prepare(TForm1& form, const std::string& source,
               const std::optional<std::string>& destination);
  void SelectFolder(controls::TZELExplorerTree& tree, const std::string& path);
  void TickBoxes(TForm1& form);
  void SetProperties(TForm1& form);
  void Convert(TForm1& form);
  void Close(TForm1& form);
  void Report(const ui::MessageBoxRecord& box);

  const BatchOptions& options_;
  BatchKit& kit_;
  platform::Platform& platform_;
  const InterruptSignal& interrupt_;
  StatusPrinter& status_;
};

}  // namespace batch
