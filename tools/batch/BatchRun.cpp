#include "tools/batch/BatchRun.h"

#include <cstdio>
#include <fstream>
#include <utility>

#include "controls/ProcessPrinters.h"
#include "platform/AsciiCase.h"
#include "platform/Error.h"
#include "tools/batch/FolderArgument.h"
#include "tools/batch/SourceFolders.h"
#include "ui/headless/HeadlessButton.h"
#include "ui/headless/HeadlessCheckBox.h"
#include "ui/headless/HeadlessEdit.h"
#include "ui/headless/HeadlessForm.h"

namespace batch {
namespace {

// The user's click on a control of the headless kit; input that cannot reach the control
// (disabled, behind a modal dialog) is an error of the tool's play.
template <class Control>
void Click(ui::Control& control) {
  if (!static_cast<Control&>(control).Click()) {
    throw platform::Error(control.Name() + " does not take input");
  }
}

template <class Control>
Control& Find(const ui::Form& form, const std::string& name) {
  for (ui::Control* control : form.Controls()) {
    if (control->Name() == name) return dynamic_cast<Control&>(*control);
  }
  throw platform::Error(form.Caption() + " has no control " + name);
}

}  // namespace

std::string TerminalLines(const std::string& text) {
  std::string lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      lines += text[i];
    } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
      lines += '\n';
    }
  }
  return lines;
}

BatchRun::BatchRun(const BatchOptions& options, BatchKit& kit, platform::Platform& platform,
                   const InterruptSignal& interrupt, StatusPrinter& status, BatchReport* report)
    : options_(options),
      kit_(kit),
      platform_(platform),
      interrupt_(interrupt),
      status_(status),
      tally_(platform.Files(), status, report, staged_) {}

int BatchRun::Execute() {
  const bool failed =
      WithWindow([this](TForm1& form, const std::vector<FolderPair>& folders, bool started) {
        if (started && !interrupt_.Requested()) ConvertAll(form, folders);
        tally_.ReportSkipped();
        PrintCounts();
        form.Conversion().SetHoldDriver(false);
      });
  RemoveEmptyFolders();
  if (failed || unreachable_) return 1;
  return interrupt_.Requested() ? InterruptSignal::kExitStatus : 0;
}

std::optional<std::vector<BatchRun::PlannedFolder>> BatchRun::Plan() {
  std::vector<PlannedFolder> plan;
  const bool failed =
      WithWindow([this, &plan](TForm1& form, const std::vector<FolderPair>& folders, bool) {
        kit_.App().Dispatch([&] {
          for (const FolderPair& folder : folders) {
            SelectFolder(*form.ZELExplorerTree1, folder.source);
            plan.push_back({folder, form.Conversion().ListedFiles()});
          }
        });
      });
  if (failed || unreachable_) return std::nullopt;
  return plan;
}

bool BatchRun::WithWindow(const WindowWork& work) {
  const std::vector<FolderPair> folders = Folders();
  ui::HeadlessApplication& app = kit_.App();
  app.OnMessageBox = [this](const ui::MessageBoxRecord& box) { Report(box); };
  // Without a display no browser is started; the start-up warning names the address.
  platform_.ShellServices().SetOpener("true");

  controls::ProcessPrinters printers(platform_.Printing());
  TForm1 form(kit_, platform_, printers);
  form.Window().Show();
  // Start-up warnings are the window's, not the run's: the run may still succeed.
  const size_t startMessages = app.Messages().size();
  Prepare(form, folders.front().source, folders.front().destination);
  work(form, folders, app.Messages().size() == startMessages);
  const bool failed = app.Messages().size() > startMessages;
  Close(form);
  return failed;
}

// The counts go to the parent of a worker, which adds those of all its workers.
void BatchRun::PrintCounts() const {
  if (options_.worker) {
    WriteCounts();
  } else if (options_.keepGoing) {
    status_.Print(std::to_string(tally_.Converted()) + " converted, " +
                  std::to_string(tally_.Failed()) + " failed.");
  }
}

// Whole at every moment, as the parent reads them during the run for its progress bar.
void BatchRun::WriteCounts() const {
  const std::filesystem::path folder(*options_.worker);
  std::ofstream(folder / "counts.new") << tally_.Converted() << ' ' << tally_.Failed() << '\n';
  std::error_code ignored;
  std::filesystem::rename(folder / "counts.new", folder / "counts", ignored);
}

std::vector<BatchRun::FolderPair> BatchRun::WorkerFolders() {
  staged_ = StagedFolders::Read(std::filesystem::path(*options_.worker) / "plan");
  std::vector<FolderPair> folders;
  for (const StagedFolder& folder : staged_.Folders()) {
    folders.push_back({folder.stagingDrive, folder.destinationDrive});
  }
  return folders;
}

std::vector<BatchRun::FolderPair> BatchRun::Folders() {
  if (options_.worker) return WorkerFolders();
  platform::FileSystem& files = platform_.Files();
  const std::string source = DriveFolder(options_.source, files, MissingFolder::Refuse);
  std::optional<std::string> destination;
  if (options_.destination && options_.recursive) {
    // Its PDF files, and the folders made for them, must not become sources.
    const std::string planned = DriveFolder(*options_.destination, files, MissingFolder::Allow);
    if (LiesInside(*files.ToHost(planned), *files.ToHost(source))) {
      throw UsageError("the DESTINATION " + *options_.destination + " lies inside SOURCE " +
                       options_.source + "; with --recursive it must lie outside");
    }
  }
  if (options_.destination) {
    destination = DriveFolder(*options_.destination, files, MissingFolder::Create);
  }
  if (!options_.recursive) return {{source, destination}};
  const std::filesystem::path sourceHost = *files.ToHost(source);
  std::vector<FolderPair> folders;
  for (const std::filesystem::path& relative : SourceFolders(sourceHost)) {
    const std::optional<std::string> folder = files.ToWindows(sourceHost / relative);
    std::optional<std::string> target;
    if (destination) target = files.ToWindows(*files.ToHost(*destination) / relative);
    if (!folder || (destination && !target)) {
      std::fprintf(stderr, "sheafmill-batch: the folder %s has no drive path and is left out\n",
                   (sourceHost / relative).c_str());
      unreachable_ = true;
      continue;
    }
    if (target) MakeFolder(*target);
    folders.push_back(
        {relative.empty() ? source : *folder, relative.empty() ? destination : target});
  }
  return folders;
}

// The folder trees list the folders that exist when they are first read, so every target is
// made before the window starts; those that got no PDF file are removed at the end.
void BatchRun::MakeFolder(const std::string& drivePath) {
  platform::FileSystem& files = platform_.Files();
  if (files.DirectoryExists(drivePath)) return;
  DriveFolder(drivePath, files, MissingFolder::Create);
  made_.push_back(*files.ToHost(drivePath));
}

void BatchRun::RemoveEmptyFolders() const {
  for (auto folder = made_.rbegin(); folder != made_.rend(); ++folder) {
    std::error_code ignored;
    if (std::filesystem::is_empty(*folder, ignored)) std::filesystem::remove(*folder, ignored);
  }
}

void BatchRun::Prepare(TForm1& form, const std::string& source,
                       const std::optional<std::string>& destination) {
  kit_.App().Dispatch([&] {
    // The destination tree follows the source tree, as in the window.
    SelectFolder(*form.ZELExplorerTree1, source);
    if (destination) SelectFolder(*form.ZELExplorerTree2, *destination);
    TickBoxes(form);
    if (options_.UsesOptionsDialog()) SetProperties(form);
  });
}

void BatchRun::SelectFolder(controls::TZELExplorerTree& tree, const std::string& path) {
  tree.SetDirectory(path);
  std::string expected = platform::AsciiUpper(path);
  if (expected.back() != '\\') expected += '\\';
  // The tree keeps its selection, without a word, when it cannot follow the path to a folder
  // that it does not list (one inside a recycle bin): the run must not go on elsewhere.
  if (tree.Directory() != expected) {
    throw platform::Error("The folder " + path + " cannot be selected in the folder tree");
  }
}

void BatchRun::TickBoxes(TForm1& form) {
  if (!options_.boxes) return;
  ui::CheckBox* const boxes[] = {form.CheckBox1.get(), form.CheckBox2.get(), form.CheckBox3.get(),
                                 form.CheckBox4.get(), form.CheckBox5.get(), form.CheckBox6.get(),
                                 form.CheckBox7.get()};
  for (int number = 1; number <= 7; ++number) {
    ui::CheckBox& box = *boxes[number - 1];
    if (box.Checked() != (options_.boxes->count(number) != 0)) Click<ui::HeadlessCheckBox>(box);
  }
}

// The Advanced Options dialog as the user fills it in: the properties given are typed over
// the stored ones, the overwrite box is unticked to keep existing files, and OK is pressed.
void BatchRun::SetProperties(TForm1& form) {
  kit_.App().ExpectModal([this](ui::Form& dialog) {
    const std::pair<const std::optional<std::string>&, const char*> edits[] = {
        {options_.title, "Edit1"},
        {options_.subject, "Edit2"},
        {options_.author, "Edit3"},
        {options_.keywords, "Edit4"}};
    for (const auto& [value, name] : edits) {
      if (value && !Find<ui::HeadlessEdit>(dialog, name).Type(*value)) {
        throw platform::Error(std::string(name) + " does not take input");
      }
    }
    auto& overwrite = Find<ui::CheckBox>(dialog, "CheckBox1");
    if (options_.keepExisting && overwrite.Checked()) Click<ui::HeadlessCheckBox>(overwrite);
    Click<ui::HeadlessButton>(Find<ui::Button>(dialog, "Button1"));
  });
  // A dialog that cannot open (a damaged driver key) is reported by the window itself.
  Click<ui::HeadlessButton>(*form.Button2);
}

// Every folder is one run of the window, in one series that owns the driver throughout. A
// recursive run leaves out folders without documents, which would only start the offices.
void BatchRun::ConvertAll(TForm1& form, const std::vector<FolderPair>& folders) {
  ConversionRun& run = form.Conversion();
  run.SetKeepGoing(options_.keepGoing);
  run.SetHoldDriver(true);
  run.OnFileStart = [this](const std::string&) { tally_.Started(); };
  run.OnFileDone = [this](const FileOutcome& outcome) {
    tally_.Finished(outcome);
    if (options_.worker) WriteCounts();
  };
  std::vector<size_t> listed;
  kit_.App().Dispatch([&] {
    for (const FolderPair& folder : folders) {
      SelectFolder(*form.ZELExplorerTree1, folder.source);
      const std::vector<std::string> files = run.ListedFiles();
      tally_.Plan(files);
      listed.push_back(files.size());
    }
  });
  for (size_t i = 0; i < listed.size() && SeriesGoesOn(form); ++i) {
    if (listed[i] == 0 && options_.recursive) continue;
    kit_.App().Dispatch([&] { SelectFolders(form, folders[i]); });
    if (errors_ == 0) Convert(form);
  }
}

bool BatchRun::SeriesGoesOn(const TForm1& form) const {
  const bool failedBefore = tally_.Failed() > 0 && !options_.keepGoing;
  return !interrupt_.Requested() && errors_ == 0 && !failedBefore && form.Window().Visible();
}

void BatchRun::SelectFolders(TForm1& form, const FolderPair& folder) {
  SelectFolder(*form.ZELExplorerTree1, folder.source);
  if (folder.destination) SelectFolder(*form.ZELExplorerTree2, *folder.destination);
}

void BatchRun::Convert(TForm1& form) {
  ui::HeadlessApplication& app = kit_.App();
  kit_.OnCaptionChange = [this, &form](const ui::Label& label) {
    if (&label == form.Label1.get()) status_.Show(StatusLine::Upper, staged_.Text(label.Caption()));
    if (&label == form.Label2.get()) status_.Show(StatusLine::Lower, staged_.Text(label.Caption()));
  };
  bool exitPressed = false;
  app.OnProcessMessages = [&] {
    if (!interrupt_.Requested() || exitPressed) return;
    exitPressed = true;
    app.Post([&form] { Click<ui::HeadlessButton>(*form.Button1); });
  };
  Click<ui::HeadlessButton>(*form.Button4);
  app.OnProcessMessages = nullptr;
  kit_.OnCaptionChange = nullptr;
  status_.EndLine();
}

void BatchRun::Close(TForm1& form) {
  if (form.Window().Visible()) Click<ui::HeadlessButton>(*form.Button1);
}

void BatchRun::Report(const ui::MessageBoxRecord& box) {
  status_.EndLine();
  if (box.icon == ui::MessageIcon::Stop) ++errors_;
  const char* kind = box.icon == ui::MessageIcon::Stop ? "Error: " : "";
  std::fprintf(stderr, "%s%s\n", kind, TerminalLines(staged_.Text(box.text)).c_str());
}

}  // namespace batch
