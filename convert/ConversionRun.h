#pragma once
// The batch conversion behind Convert. Up to five passes, one per group of document types, in
// a fixed order; each starts its authoring application, points the PDF driver at the
// destination folder, prints every listed file of its types, gives each output its final name
// and ends the application. The run ends by switching the driver's automatic output off.
// A file that fails ends the whole run with a message naming it. A run owns the profile's
// driver while it lasts; one started while another run owns it is refused with a message.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "convert/ConversionWindow.h"
#include "convert/DriverControl.h"
#include "convert/DriverOwnership.h"
#include "convert/HostAutomation.h"
#include "convert/OutputNaming.h"
#include "platform/automation/Variant.h"
#include "platform/files/FileSystem.h"
#include "platform/system/System.h"

// The main window's state that a run reads and writes.
struct ConversionState {
  platform::Variant& hostApp;
  const int32_t& overwriteMode;  // 3 overwrites an existing PDF, 1 keeps it
  const bool& isWow64;           // the 64-bit Windows test's answer at start-up
};

// What became of one listed file; `pdfPath` is the PDF's final name when it was converted.
struct FileOutcome {
  enum class Status { Converted, Failed };
  Status status = Status::Converted;
  std::string sourcePath;
  std::string pdfPath;
  std::string reason;  // why it failed, as the message's last line says
};

class ConversionRun {
 public:
  ConversionRun(ConversionWindow& window, platform::AutomationRuntime& runtime,
                platform::RegistryStore& registry, platform::FileSystem& files,
                platform::System& system, platform::Locks& locks);

  // Runs the passes of the ticked boxes. Errors outside a file's own conversion (an
  // application that cannot be started, a driver value that cannot be written) reach the
  // caller; the controls are enabled again on every way out.
  void Execute(const ConversionState& state);

  bool Running() const { return running_; }
  // Asks a run in progress to stop once the current file is done; the pass still ends its
  // application and the run still switches the driver's automatic output off.
  void RequestStop() { stopRequested_ = true; }

  // How long to wait for the driver's output of one printed file. Our driver writes it
  // before the print call returns; a slower one gets this long.
  void SetOutputWait(uint32_t milliseconds) { outputWaitMs_ = milliseconds; }

  // For callers that convert whole batches (the batch tool); the window sets none of them.
  // A failed file is reported as ever, and the run goes on with the next file, starting the
  // pass's application again; the pass and the run end as usual.
  void SetKeepGoing(bool keepGoing) { keepGoing_ = keepGoing; }
  // A series of runs keeps the driver from the first to the last, until this is cleared.
  void SetHoldDriver(bool hold);
  // Automatic output off, as at a run's end, unless another run owns the driver now (the
  // window closes); whether anything was written.
  bool SwitchDriverOff();
  // Each listed file as it starts, and what became of it.
  std::function<void(const std::string& sourcePath)> OnFileStart;
  std::function<void(const FileOutcome& outcome)> OnFileDone;
  // The source paths that a run would convert in the source folder now, pass by pass; the
  // source list is left with the last ticked pass's mask, as a run leaves it.
  std::vector<std::string> ListedFiles();

 private:
  enum class FileResult { Converted, Failed };
  struct PassPlan {
    HostPass pass;
    bool ticked;
    std::string mask;
  };

  std::vector<PassPlan> Passes();
  void RunPass(HostPass pass, const std::string& mask, const ConversionState& state);
  bool ConvertFiles(HostPass pass, const std::string& destination, const ConversionState& state);
  FileResult ConvertFile(HostPass pass, int index, const std::string& destination,
                         const ConversionState& state);
  bool WaitForOutput(const std::string& produced, std::optional<int64_t> before);
  void FailFile(HostPass pass, const std::string& sourcePath, const std::string& advice,
                const std::string& reason, const ConversionState& state);
  void Done(FileOutcome::Status status, const std::string& sourcePath, const std::string& pdfPath,
            const std::string& reason);
  void WriteDriverValues(const std::string& destination, const ConversionState& state);
  void Status(const std::string& upper, const std::string& lower);
  void Pump() { window_.ProcessMessages(); }

  ConversionWindow& window_;
  HostAutomation hosts_;
  DriverControl driver_;
  DriverOwnership ownership_;
  OutputNaming naming_;
  platform::FileSystem& files_;
  platform::System& system_;
  uint32_t outputWaitMs_ = 20000;
  bool running_ = false;
  bool stopRequested_ = false;
  bool failed_ = false;
  bool keepGoing_ = false;
  bool holdDriver_ = false;
};
