#pragma once
// One run of the batch tool: the main window on the headless kit, played as its user would
// play it. The folders go to the trees, the file-type boxes are clicked, the Advanced
// Options dialog is answered, Convert is pressed (once for each folder of a recursive run) and
// at the end Exit; an interrupt presses Exit in the middle of the run, which stops it after
// the current file. The status lines are printed as they change, every message box goes to
// standard error, and each document's result to the tally.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/SheafmillUnit.h"
#include "platform/Platform.h"
#include "tools/batch/BatchKit.h"
#include "tools/batch/BatchOptions.h"
#include "tools/batch/BatchReport.h"
#include "tools/batch/BatchTally.h"
#include "tools/batch/InterruptSignal.h"
#include "tools/batch/StagedFolders.h"
#include "tools/batch/StatusPrinter.h"

namespace batch {

// A message's text with the line breaks of a terminal: message texts break lines with CR LF
// or CR, as message boxes take them.
std::string TerminalLines(const std::string& text);

class BatchRun {
 public:
  BatchRun(const BatchOptions& options, BatchKit& kit, platform::Platform& platform,
           const InterruptSignal& interrupt, StatusPrinter& status, BatchReport* report);

  // The exit status: 0 when every file was converted, 1 when a message or an error report
  // appeared after start-up or a folder was left out, InterruptSignal::kExitStatus when the
  // run was interrupted. Raises UsageError for folders that cannot be used, before the window
  // starts.
  int Execute();

  struct FolderPair {
    std::string source;
    std::optional<std::string> destination;  // nothing: the PDF files go beside the sources
  };
  struct PlannedFolder {
    FolderPair folder;
    std::vector<std::string> files;  // drive paths, in the order of the run's passes
  };
  // For a parallel run: the documents that Execute would convert, folder by folder, with the
  // properties and keep rule stored as Execute stores them. Nothing when the window warned at
  // start-up (the message is on standard error). Raises UsageError as Execute does.
  std::optional<std::vector<PlannedFolder>> Plan();

 private:
  // The window, started with the folders shown and the options set, and closed after `work`,
  // which learns whether the window started without a message. Whether a message appeared.
  using WindowWork =
      std::function<void(TForm1& form, const std::vector<FolderPair>& folders, bool started)>;
  bool WithWindow(const WindowWork& work);
  std::vector<FolderPair> Folders();
  std::vector<FolderPair> WorkerFolders();
  void PrintCounts() const;
  void WriteCounts() const;
  void MakeFolder(const std::string& drivePath);
  void RemoveEmptyFolders() const;
  void Prepare(TForm1& form, const std::string& source,
               const std::optional<std::string>& destination);
  void SelectFolder(controls::TZELExplorerTree& tree, const std::string& path);
  void TickBoxes(TForm1& form);
  void SetProperties(TForm1& form);
  void ConvertAll(TForm1& form, const std::vector<FolderPair>& folders);
  bool SeriesGoesOn(const TForm1& form) const;
  void SelectFolders(TForm1& form, const FolderPair& folder);
  void Convert(TForm1& form);
  void Close(TForm1& form);
  void Report(const ui::MessageBoxRecord& box);

  const BatchOptions& options_;
  BatchKit& kit_;
  platform::Platform& platform_;
  const InterruptSignal& interrupt_;
  StatusPrinter& status_;
  StagedFolders staged_;  // a worker's; none otherwise
  BatchTally tally_;
  size_t errors_ = 0;  // error reports, which end a series of runs
  bool unreachable_ = false;
  std::vector<std::filesystem::path> made_;  // destination folders that the tool made
};

}  // namespace batch
