#include "convert/ConversionRun.h"

#include "convert/Wow64Check.h"
#include "platform/Error.h"

namespace {

constexpr int32_t kKeepExisting = 1;
constexpr int32_t kOverwriteExisting = 3;
constexpr uint32_t kOutputPollMs = 50;

constexpr char kServicePackAdvice[] =
    "\r\nPlease make sure that you have installed the latest service pack for Microsoft Office."
    "\r\nFor example, Microsoft Office 2007 requires at least Service Pack 2 to be installed to "
    "support the batch conversion.";
constexpr char kNoOutput[] = "The PDF printer wrote no PDF file for it.";
constexpr char kNotRenamed[] = "Its PDF file could not be given its final name.";
constexpr char kInterimTaken[] =
    " already exists, and existing files are kept: the PDF printer would write over it.";

// Enables the controls again however the run ends.
class RunControlsGuard {
 public:
  RunControlsGuard(ConversionWindow& window, bool& running) : window_(window), running_(running) {
    running_ = true;
    window_.EnableRunControls(false);
  }
  ~RunControlsGuard() {
    running_ = false;
    window_.EnableRunControls(true);
  }
  RunControlsGuard(const RunControlsGuard&) = delete;
  RunControlsGuard& operator=(const RunControlsGuard&) = delete;

 private:
  ConversionWindow& window_;
  bool& running_;
};

}  // namespace

ConversionRun::ConversionRun(ConversionWindow& window, platform::AutomationRuntime& runtime,
                             platform::RegistryStore& registry, platform::FileSystem& files,
                             platform::System& system, platform::Locks& locks)
    : window_(window),
      hosts_(runtime, system),
      driver_(registry),
      ownership_(locks),
      naming_(files),
      files_(files),
      system_(system) {}

void ConversionRun::Execute(const ConversionState& state) {
  if (running_) return;
  if (!ownership_.Take()) {
    window_.ShowMessage(ownership_.Refusal());
    return;
  }
  RunControlsGuard guard(window_, running_);
  stopRequested_ = false;
  failed_ = false;
  try {
    for (const PassPlan& pass : Passes()) {
      if (failed_ || stopRequested_) break;
      if (pass.ticked) RunPass(pass.pass, pass.mask, state);
    }
    // A failed run leaves the driver pointed at the failed pass's folder until the window
    // closes.
    if (!failed_) driver_.ResetAutomaticOutput();
  } catch (...) {
    if (!holdDriver_) ownership_.Give();
    throw;
  }
  if (!holdDriver_) ownership_.Give();
}

void ConversionRun::SetHoldDriver(bool hold) {
  holdDriver_ = hold;
  if (!hold && !running_) ownership_.Give();
}

bool ConversionRun::SwitchDriverOff() {
  if (!ownership_.Take()) return false;
  const bool written = driver_.ResetAutomaticOutput();
  if (!holdDriver_ && !running_) ownership_.Give();
  return written;
}

std::vector<std::string> ConversionRun::ListedFiles() {
  std::vector<std::string> paths;
  for (const PassPlan& pass : Passes()) {
    if (!pass.ticked) continue;
    window_.SetSourceMask(pass.mask);
    window_.ReloadSource();
    for (int i = 0; i < window_.SourceCount(); ++i) {
      paths.push_back(window_.SourceDirectory() + window_.SourceEntry(i));
    }
  }
  return paths;
}

std::vector<ConversionRun::PassPlan> ConversionRun::Passes() {
  std::string wordMask;
  if (window_.BoxChecked(1)) wordMask += ";*.doc";
  if (window_.BoxChecked(4)) wordMask += ";*.txt";
  if (window_.BoxChecked(5)) wordMask += ";*.rtf";
  return {
      {HostPass::Word, !wordMask.empty(), wordMask.empty() ? "" : wordMask.substr(1)},
      {HostPass::Excel, window_.BoxChecked(2), "*.xls"},
      {HostPass::PowerPoint, window_.BoxChecked(3), "*.ppt"},
      {HostPass::WebPages, window_.BoxChecked(6), "*.htm"},
      {HostPass::AutoCAD, window_.BoxChecked(7), "*.dwg;*.dxf"},
  };
}

void ConversionRun::RunPass(HostPass pass, const std::string& mask, const ConversionState& state) {
  window_.SetSourceMask(mask);
  window_.ReloadSource();
  Status("Preparing for Batch Conversion ...", "Please wait ....");
  Pump();
  hosts_.Start(pass, state.hostApp);
  bool hostRunning = true;
  try {
    Status("Batch Conversion Initialization: OK!", "Ready to process files.");
    std::string destination = window_.DestinationDirectory();
    if (!destination.empty() && destination.back() == '\\') destination.pop_back();
    WriteDriverValues(destination, state);
    Pump();
    hostRunning = ConvertFiles(pass, destination, state);
    if (failed_) return;
  } catch (const platform::Error&) {
    // The error goes on to the error report; the application must not stay behind.
    hosts_.Release(pass, state.hostApp);
    throw;
  }
  if (hostRunning) hosts_.End(pass, state.hostApp);
  Status("Task Complete.", "Done.");
}

// A failed file releases the pass's application; when the run goes on, the next file starts
// it again. Whether the application is running at the end.
bool ConversionRun::ConvertFiles(HostPass pass, const std::string& destination,
                                 const ConversionState& state) {
  const int count = window_.SourceCount();
  bool hostRunning = true;
  for (int i = 0; i < count && !stopRequested_ && !failed_; ++i) {
    if (!hostRunning) hosts_.Start(pass, state.hostApp);
    hostRunning = ConvertFile(pass, i, destination, state) == FileResult::Converted;
    failed_ = !hostRunning && !keepGoing_;
  }
  return hostRunning;
}

ConversionRun::FileResult ConversionRun::ConvertFile(HostPass pass, int index,
                                                     const std::string& destination,
                                                     const ConversionState& state) {
  Pump();
  window_.SetStatus(StatusLine::Upper, "Batch Conversion Task: " + std::to_string(index + 1) + "/" +
                                           std::to_string(window_.SourceCount()) + " files");
  Pump();
  const std::string entry = window_.SourceEntry(index);
  const std::string sourcePath = window_.SourceDirectory() + entry;
  if (OnFileStart) OnFileStart(sourcePath);
  window_.SetStatus(StatusLine::Lower, "Converting " + entry + " ....");
  Pump();

  // An output that was there before the print is a leftover, not this file's PDF.
  const std::string produced = OutputNaming::ProducedName(sourcePath, destination, state.isWow64);
  const std::optional<int64_t> leftover = files_.GetLastWriteTime(produced);
  // The driver writes over its interim name: a file of the user's there must stay untouched.
  if (leftover && state.overwriteMode == kKeepExisting) {
    FailFile(pass, sourcePath, "", produced + kInterimTaken, state);
    return FileResult::Failed;
  }
  try {
    hosts_.PrintOne(pass, state.hostApp, sourcePath, entry);
  } catch (const platform::Error& error) {
    // The application's own words say why (damaged, password-protected, not readable here).
    const std::string advice = pass == HostPass::PowerPoint ? kServicePackAdvice : "";
    FailFile(pass, sourcePath, advice, error.Message(), state);
    return FileResult::Failed;
  }
  Pump();
  if (!WaitForOutput(produced, leftover)) {
    FailFile(pass, sourcePath, "", kNoOutput, state);
    return FileResult::Failed;
  }
  const std::optional<std::string> pdfPath =
      naming_.FinishOutput(entry, sourcePath, destination, state.overwriteMode, state.isWow64);
  if (!pdfPath) {
    FailFile(pass, sourcePath, "", kNotRenamed, state);
    return FileResult::Failed;
  }
  Done(FileOutcome::Status::Converted, sourcePath, *pdfPath, "");
  window_.SetStatus(StatusLine::Lower, sourcePath + " Converted OK!");
  Pump();
  window_.ReloadDestination();
  Pump();
  return FileResult::Converted;
}

bool ConversionRun::WaitForOutput(const std::string& produced, std::optional<int64_t> leftover) {
  for (uint32_t waited = 0;; waited += kOutputPollMs) {
    const std::optional<int64_t> written = files_.GetLastWriteTime(produced);
    if (written && written != leftover) return true;
    if (waited >= outputWaitMs_) return false;
    system_.Sleep(kOutputPollMs);
    Pump();
  }
}

void ConversionRun::FailFile(HostPass pass, const std::string& sourcePath,
                             const std::string& advice, const std::string& reason,
                             const ConversionState& state) {
  hosts_.Release(pass, state.hostApp);
  Done(FileOutcome::Status::Failed, sourcePath, "", reason);
  window_.ShowMessage(sourcePath + " conversion failed!" + advice + "\r\n" + reason);
  if (pass == HostPass::PowerPoint) Status("Ready.", "");
}

void ConversionRun::Done(FileOutcome::Status status, const std::string& sourcePath,
                         const std::string& pdfPath, const std::string& reason) {
  if (OnFileDone) OnFileDone({status, sourcePath, pdfPath, reason});
}

void ConversionRun::WriteDriverValues(const std::string& destination,
                                      const ConversionState& state) {
  int32_t mode = state.overwriteMode == kKeepExisting ? kKeepExisting : kOverwriteExisting;
  // The 64-bit driver always leaves its output under one interim name, which the naming
  // renames by the overwrite choice.
  if (IsWow64Windows(system_)) mode = kOverwriteExisting;
  driver_.WriteAutomaticOutput(mode, destination);
}

void ConversionRun::Status(const std::string& upper, const std::string& lower) {
  window_.SetStatus(StatusLine::Upper, upper);
  window_.SetStatus(StatusLine::Lower, lower);
}
