// Reading a folder of 100,000 files into the file list, against a plain listing of the same
// folder with the same filtering and the same order, both measured in this run. The goal is
// a read that takes at most 1.5 times the plain listing.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/LocaleSort.h"
#include "controls/zeltexplorerview.h"
#include "platform/files/FileSystem.h"
#include "platform/shell/Shell.h"
#include "platform/system/System.h"
#include "ui/headless/HeadlessKit.h"

namespace {

constexpr int kListedFiles = 100000;
constexpr int kOtherFiles = 2000;  // hidden files and other types, read but not listed
const char* const kMask = "*.doc;*.txt;*.rtf";
const std::vector<std::string> kPatterns = {"*.doc", "*.txt", "*.rtf"};

// A private drive E: whose folder Big holds the files, made once and removed at exit.
class SampleDrive {
 public:
  SampleDrive() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "sheafmill-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
    root_ = pattern;
    std::filesystem::create_directories(Folder());
    std::mt19937 random(42);
    const char* extensions[] = {"doc", "txt", "rtf", "DOC"};
    for (int i = 0; i < kListedFiles; ++i) {
      Touch("Report " + std::to_string(random() % 1000000) + "-" + std::to_string(i) + "." +
            extensions[i % 4]);
    }
    for (int i = 0; i < kOtherFiles; ++i) {
      Touch(i % 2 == 0 ? ".hidden" + std::to_string(i) + ".doc"
                       : "book" + std::to_string(i) + ".xls");
    }
  }
  ~SampleDrive() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Folder() const { return root_ / "Big"; }

 private:
  void Touch(const std::string& name) const { std::ofstream(Folder() / name).put('x'); }

  std::filesystem::path root_;
};

const SampleDrive& Sample() {
  static SampleDrive drive;
  return drive;
}

// The baseline: one pass over the folder with the host's own listing, the same patterns and
// the same hidden and plain-file rules, then one sort in the list's order.
std::vector<std::string> PlainListing(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || name.front() == '.') continue;
    for (const std::string& pattern : kPatterns) {
      if (platform::FileSystem::MatchesPattern(pattern, name)) names.push_back(name);
    }
  }
  bench::SortAsTheLocaleDoes(names);
  return names;
}

void PlainFolderListing(benchmark::State& state) {
  std::filesystem::path folder = Sample().Folder();
  for (auto _ : state) {
    std::vector<std::string> names = PlainListing(folder);
    if (names.size() != kListedFiles) state.SkipWithError("the plain listing lost files");
    benchmark::DoNotOptimize(names.data());
  }
}

void ExplorerViewRead(benchmark::State& state) {
  platform::FileSystem files(platform::DriveMap{{'E', Sample().Root()}},
                             Sample().Root() / "windows");
  platform::Shell shell(files, Sample().Root() / "programs");
  ui::HeadlessKit kit;
  std::unique_ptr<ui::Form> form = kit.CreateForm(nullptr);
  controls::TZELExplorerView list(files, shell, kit.App(),
                                  kit.CreateSortedListBox(*form, {0, 0, 257, 184}));
  list.SetFolder("E:\\Big");
  list.SetMask(kMask);
  for (auto _ : state) {
    list.Reload();
    if (list.Entries().Count() != kListedFiles) state.SkipWithError("the list lost files");
  }
}

BENCHMARK(PlainFolderListing)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ExplorerViewRead)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Keeps each benchmark's times so that the ratio can be printed at the end. The machine may be
// shared: the processor time, which another process's load does not inflate, is the measure.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      std::string name = run.benchmark_name();
      times_[name.substr(0, name.find('/'))] = {run.GetAdjustedRealTime(),
                                                run.GetAdjustedCPUTime()};
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatio(const std::string& measured, const std::string& baseline) const {
    auto m = times_.find(measured);
    auto b = times_.find(baseline);
    if (m == times_.end() || b == times_.end() || b->second.cpu <= 0) return;
    std::printf("%s / %s: %.2fx processor time, %.2fx real time (goal: at most 1.50x)\n",
                measured.c_str(), baseline.c_str(), m->second.cpu / b->second.cpu,
                m->second.real / b->second.real);
  }

 private:
  struct Times {
    double real = 0;
    double cpu = 0;
  };
  std::map<std::string, Times> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Sample();  // the files are made before any clock runs
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("ExplorerViewRead", "PlainFolderListing");
  benchmark::Shutdown();
  return 0;
}
