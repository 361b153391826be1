// The folder tree against the plain work underneath it, both timed in each iteration, in
// processor time, which the load of other processes on a shared machine does not inflate:
// - reading a folder of 10,000 subfolders (a write of Directory that reads it) against one
//   host listing of the folder plus a sort in the tree's order (goal: at most 3 times that);
// - expanding that folder as the user does, which also probes every subfolder for folders of
//   its own, against the same listing and sort plus one directory read per subfolder;
// - writing a path 20 levels deep, which reads every folder on the way, against listing and
//   sorting those folders.

#include <benchmark/benchmark.h>
#include <dirent.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/LocaleSort.h"
#include "controls/zeltexplorertree.h"
#include "platform/files/FileSystem.h"
#include "platform/shell/Shell.h"
#include "platform/system/System.h"
#include "tests/support/TempDir.h"
#include "ui/headless/HeadlessKit.h"
#include "ui/headless/HeadlessTreeView.h"

namespace {

namespace fs = std::filesystem;
// The process's processor time as a clock.
struct Clock {
  using duration = std::chrono::nanoseconds;
  using rep = duration::rep;
  using period = duration::period;
  using time_point = std::chrono::time_point<Clock>;
  static constexpr bool is_steady = true;
  static time_point now() {
    timespec spent{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &spent);
    return time_point(std::chrono::seconds(spent.tv_sec) + std::chrono::nanoseconds(spent.tv_nsec));
  }
};

constexpr int kSubfolders = 10000;
constexpr int kDepth = 20;
constexpr int kSiblings = 10;  // beside each folder of the deep path

// Drive E: with Big (the subfolders, every tenth holding one folder) and Deep (the path, with
// siblings on each level). Made once for the run and removed at its end.
class SampleDrive {
 public:
  SampleDrive() {
    for (int i = 0; i < kSubfolders; ++i) {
      fs::path folder = Big() / ("Folder " + std::to_string((i * 7919) % kSubfolders));
      fs::create_directories(i % 10 == 0 ? folder / "Inner" : folder);
    }
    fs::path level = Drive() / "Deep";
    for (int i = 1; i <= kDepth; ++i) {
      for (int s = 0; s < kSiblings; ++s) fs::create_directories(level / ("s" + std::to_string(s)));
      level /= "L" + std::to_string(i);
      deepPath_ += "\\L" + std::to_string(i);
    }
    fs::create_directories(level);
  }

  fs::path Drive() const { return temp_.Path() / "e"; }
  fs::path Big() const { return Drive() / "Big"; }
  // The deep path below E:\Deep, as the tree is given it.
  std::string DeepPath() const { return "E:\\Deep" + deepPath_; }
  // The host folders that a write of the deep path reads: E:\, Deep, L1 ... L20.
  std::vector<fs::path> DeepFolders() const {
    std::vector<fs::path> folders{Drive(), Drive() / "Deep"};
    for (int i = 1; i <= kDepth; ++i) folders.push_back(folders.back() / ("L" + std::to_string(i)));
    return folders;
  }

 private:
  testsupport::TempDir temp_;
  std::string deepPath_;
};

const SampleDrive& Sample() {
  static SampleDrive drive;
  return drive;
}

// The baseline: the subfolder names of one folder from the host, sorted as the tree sorts.
std::vector<std::string> SortedSubfolders(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  }
  bench::SortAsTheLocaleDoes(names);
  return names;
}

// The least a probe costs: open the folder and read until a subfolder shows.
bool HasSubfolder(const fs::path& folder) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return false;
  bool found = false;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (entry->d_type == DT_DIR && name != "." && name != "..") {
      found = true;
      break;
    }
  }
  closedir(dir);
  return found;
}

// One folder tree on drive E:, nothing probed while the drives are listed.
class World {
 public:
  World()
      : files_(platform::DriveMap{{'E', Sample().Drive()}}, Sample().Drive() / "Windows"),
        shell_(files_, Sample().Drive() / "programs"),
        form_(kit_.CreateForm(nullptr)) {
    form_->Show();
    auto base =
        std::make_unique<ui::HeadlessTreeView>(*form_, ui::Bounds{232, 24, 201, 193}, kit_.App());
    view_ = base.get();
    tree_ = std::make_unique<controls::TZELExplorerTree>(files_, system_, shell_, kit_.App(),
                                                         std::move(base));
    tree_->SetFastLoad(true);
  }

  controls::TZELExplorerTree& Tree() { return *tree_; }
  ui::HeadlessTreeView& View() { return *view_; }
  int SelectedChildren() {
    int count = 0;
    for (ui::TreeNode* child = view_->FirstChild(view_->Selected()); child != nullptr;
         child = view_->NextSibling(child)) {
      ++count;
    }
    return count;
  }

 private:
  platform::FileSystem files_;
  platform::System system_;
  platform::Shell shell_;
  ui::HeadlessKit kit_;
  std::unique_ptr<ui::Form> form_;
  ui::HeadlessTreeView* view_ = nullptr;
  std::unique_ptr<controls::TZELExplorerTree> tree_;
};

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

void Report(benchmark::State& state, double measured, double baseline) {
  state.counters["tree_s"] = measured / static_cast<double>(state.iterations());
  state.counters["ratio_to_listing"] = measured / baseline;
}

void BM_ReadFolderOf10000Subfolders(benchmark::State& state) {
  World world;
  double baseline = 0;
  double measured = 0;
  for (auto _ : state) {
    world.Tree().BuildDriveLevel();
    auto start = Clock::now();
    std::vector<std::string> names = SortedSubfolders(Sample().Big());
    auto middle = Clock::now();
    world.Tree().SetDirectory("E:\\Big");
    auto end = Clock::now();
    if (names.size() != kSubfolders || world.SelectedChildren() != kSubfolders) {
      state.SkipWithError("folders went missing");
    }
    baseline += Seconds(start, middle);
    measured += Seconds(middle, end);
  }
  Report(state, measured, baseline);
}

void BM_ExpandFolderOf10000Subfolders(benchmark::State& state) {
  World world;
  double baseline = 0;
  double measured = 0;
  for (auto _ : state) {
    world.Tree().BuildDriveLevel();
    world.View().UserExpand(world.View().FirstNode());
    ui::TreeNode* big = world.View().FirstChild(world.View().FirstNode());  // Big, the first folder
    auto start = Clock::now();
    int withFolders = 0;
    for (const std::string& name : SortedSubfolders(Sample().Big())) {
      withFolders += HasSubfolder(Sample().Big() / name);
    }
    auto middle = Clock::now();
    world.View().UserExpand(big);
    auto end = Clock::now();
    if (withFolders != kSubfolders / 10 || world.Tree().Entry(big)->FullPath != "E:\\BIG\\" ||
        !world.View().IsExpanded(big)) {
      state.SkipWithError("the expansion went wrong");
    }
    baseline += Seconds(start, middle);
    measured += Seconds(middle, end);
  }
  Report(state, measured, baseline);
}

void BM_WriteAPath20LevelsDeep(benchmark::State& state) {
  World world;
  double baseline = 0;
  double measured = 0;
  for (auto _ : state) {
    world.Tree().BuildDriveLevel();
    auto start = Clock::now();
    std::size_t listed = 0;
    for (const fs::path& folder : Sample().DeepFolders()) listed += SortedSubfolders(folder).size();
    auto middle = Clock::now();
    world.Tree().SetDirectory(Sample().DeepPath());
    auto end = Clock::now();
    if (listed == 0 ||
        world.Tree().Directory() != platform::System::UpperAscii(Sample().DeepPath() + "\\")) {
      state.SkipWithError("the deep folder was not selected");
    }
    baseline += Seconds(start, middle);
    measured += Seconds(middle, end);
  }
  Report(state, measured, baseline);
}

BENCHMARK(BM_ReadFolderOf10000Subfolders)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ExpandFolderOf10000Subfolders)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteAPath20LevelsDeep)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Sample();  // the folders are made before any clock runs
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
