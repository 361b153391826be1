// Converting the same 50 documents to PDF three ways, all measured in this run:
//   - through the office hosts: one Word instance (one LibreOffice process) prints them all,
//     driven by the program's host automation;
//   - with "soffice --headless --convert-to pdf", one call per file;
//   - with "soffice --headless --convert-to pdf", one call for all of them.
// Goals: the hosts take at most 1.1 times the one-call batch, and one call per file takes at
// least 5 times as long as the hosts. Every way starts from a user profile that is already
// set up, as on a machine where the office has run before.
//
// Each way runs three times; the best run counts. Time is wall-clock time and the processor
// time of this process and of the processes it waited for, which another process's load does
// not inflate.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "convert/DriverNames.h"
#include "convert/HostAutomation.h"
#include "platform/automation/AutomationRuntime.h"
#include "platform/files/FileSystem.h"
#include "platform/hosts/OfficeHosts.h"
#include "platform/hosts/OfficeProfiles.h"
#include "platform/printing/Printers.h"
#include "platform/printing/Spooler.h"
#include "platform/registry/RegistryStore.h"
#include "platform/system/System.h"

namespace {

namespace fs = std::filesystem;

constexpr int kDocuments = 50;
const fs::path kExamples = SHEAFMILL_EXAMPLES;

// A folder of documents (copies of the examples the first pass takes: Word documents, plain
// text and rich text), a set-up profile for the command-line office and a template profile for
// the hosts; removed at exit.
class Workspace {
 public:
  Workspace() {
    std::string pattern = (fs::temp_directory_path() / "sheafmill-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
    root_ = pattern;
    fs::create_directories(Documents());
    const char* samples[] = {"report.doc", "notes.txt", "letter.rtf"};
    for (int i = 0; i < kDocuments; ++i) {
      fs::path sample = kExamples / samples[i % 3];
      char name[32];
      std::snprintf(name, sizeof name, "doc%02d", i + 1);
      fs::copy_file(sample, Documents() / (name + sample.extension().string()));
      names_.push_back(name + sample.extension().string());
    }
    office_ = platform::hosts::OfficeInstallation::Find(
        platform::hosts::OfficeHostOptions::Defaults("").programFolder);
    if (office_) platform::hosts::OfficeProfiles(*office_, "").Make(root_ / "profile");
  }
  ~Workspace() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  bool HasOffice() const { return office_.has_value(); }
  const fs::path& Root() const { return root_; }
  fs::path Documents() const { return root_ / "c" / "DOCS"; }
  const std::vector<std::string>& Names() const { return names_; }
  // A fresh, empty output folder.
  fs::path Output() const {
    fs::remove_all(root_ / "out");
    fs::create_directories(root_ / "out");
    return root_ / "out";
  }

 private:
  fs::path root_;
  std::vector<std::string> names_;
  std::optional<platform::hosts::OfficeInstallation> office_;
};

const Workspace& Space() {
  static Workspace workspace;
  return workspace;
}

// Wall-clock and processor time (this process and the processes it has waited for).
struct Clock {
  std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
  double cpu = ProcessorSeconds();

  static double ProcessorSeconds() {
    double seconds = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
      rusage usage{};
      getrusage(who, &usage);
      seconds += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                 static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    return seconds;
  }
  void Report(benchmark::State& state) const {
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count());
    state.counters["cpu_s"] = ProcessorSeconds() - cpu;
  }
};

size_t PdfCount(const fs::path& folder) {
  size_t count = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    count += entry.path().extension() == ".pdf";
  }
  return count;
}

// The printer's part, kept small: each job's pages are moved into the output folder, as the
// command-line office writes its PDF files there.
class FolderDriver : public platform::PrintDriver {
 public:
  explicit FolderDriver(fs::path folder) : folder_(std::move(folder)) {}
  void Print(const platform::PrintJob& job) override {
    fs::rename(job.pdfFile, folder_ / (fs::path(job.documentName).stem().string() + ".pdf"));
  }

 private:
  fs::path folder_;
};

void OfficeHosts(benchmark::State& state) {
  if (!Space().HasOffice()) return state.SkipWithError("LibreOffice is not installed");
  fs::path root = Space().Root();
  platform::RegistryStore store(root / "registry");
  platform::Printers printers(store);
  printers.AddPrinter(kDriverPrinterName);
  platform::FileSystem files({{'C', root / "c"}}, root / "windows");
  platform::AutomationRuntime runtime;
  platform::System system;
  system.SetSleepHandler([](uint32_t) {});
  auto options = platform::hosts::OfficeHostOptions::Defaults(root / "templates");
  for (auto _ : state) {
    fs::path output = Space().Output();
    FolderDriver driver(output);
    platform::Spooler spooler;
    spooler.RegisterDriver(kDriverPrinterName, driver);
    platform::hosts::RegisterOfficeHosts(runtime, spooler, printers, files, options);
    HostAutomation automation(runtime, system);
    platform::Variant word;
    Clock clock;
    automation.Start(HostPass::Word, word);
    for (const std::string& name : Space().Names()) {
      automation.PrintOne(HostPass::Word, word, "C:\\DOCS\\" + name, name);
    }
    automation.End(HostPass::Word, word);
    clock.Report(state);
    if (PdfCount(output) != kDocuments) state.SkipWithError("the hosts lost documents");
  }
}

int Soffice(const std::vector<std::string>& documents, const fs::path& output) {
  std::string command = "soffice -env:UserInstallation=file://" +
                        (Space().Root() / "profile").string() +
                        " --headless --convert-to pdf --outdir " + output.string();
  for (const std::string& name : documents) command += " " + (Space().Documents() / name).string();
  return std::system((command + " >/dev/null 2>&1").c_str());
}

void ConvertToOneCallPerFile(benchmark::State& state) {
  if (!Space().HasOffice()) return state.SkipWithError("LibreOffice is not installed");
  for (auto _ : state) {
    fs::path output = Space().Output();
    Clock clock;
    for (const std::string& name : Space().Names()) Soffice({name}, output);
    clock.Report(state);
    if (PdfCount(output) != kDocuments) state.SkipWithError("soffice lost documents");
  }
}

void ConvertToOneCall(benchmark::State& state) {
  if (!Space().HasOffice()) return state.SkipWithError("LibreOffice is not installed");
  for (auto _ : state) {
    fs::path output = Space().Output();
    Clock clock;
    Soffice(Space().Names(), output);
    clock.Report(state);
    if (PdfCount(output) != kDocuments) state.SkipWithError("soffice lost documents");
  }
}

BENCHMARK(ConvertToOneCall)
    ->Unit(benchmark::kSecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK(OfficeHosts)->Unit(benchmark::kSecond)->UseManualTime()->Iterations(1)->Repetitions(3);
BENCHMARK(ConvertToOneCallPerFile)
    ->Unit(benchmark::kSecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3);

// Keeps each way's best run so that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      std::string name = run.benchmark_name();
      Times& best = best_[name.substr(0, name.find('/'))];
      double real = run.GetAdjustedRealTime();
      double cpu = run.counters.at("cpu_s");
      if (best.real == 0 || real < best.real) best.real = real;
      if (best.cpu == 0 || cpu < best.cpu) best.cpu = cpu;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatio(const std::string& measured, const std::string& baseline,
                  const char* goal) const {
    auto m = best_.find(measured);
    auto b = best_.find(baseline);
    if (m == best_.end() || b == best_.end()) return;
    std::printf("%s / %s: %.2fx real time, %.2fx processor time (goal: %s)\n", measured.c_str(),
                baseline.c_str(), m->second.real / b->second.real, m->second.cpu / b->second.cpu,
                goal);
  }

 private:
  struct Times {
    double real = 0;
    double cpu = 0;
  };
  std::map<std::string, Times> best_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Space();  // documents and profiles are made before any clock runs
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("OfficeHosts", "ConvertToOneCall", "at most 1.10x");
  reporter.PrintRatio("ConvertToOneCallPerFile", "OfficeHosts", "at least 5x");
  benchmark::Shutdown();
  return 0;
}
