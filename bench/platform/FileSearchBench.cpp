// A wildcard search over a folder of 100,000 files, against the least that any listing with
// attributes costs: one directory read and one status call per entry.

#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "platform/files/FileSystem.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kFiles = 100000;

// The folder of files, made once for the whole run and removed at its end.
class BigFolder {
 public:
  BigFolder() {
    std::string pattern = (fs::temp_directory_path() / "sheafmill-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    root_ = pattern;
    fs::create_directories(root_ / "c" / "Many");
    const char* extensions[] = {".doc", ".docx", ".txt", ".pdf", ".html"};
    for (int i = 0; i < kFiles; ++i) {
      std::ofstream(root_ / "c" / "Many" / ("file" + std::to_string(i) + extensions[i % 5]));
    }
  }
  ~BigFolder() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  fs::path Drive() const { return root_ / "c"; }
  fs::path Folder() const { return root_ / "c" / "Many"; }

 private:
  fs::path root_;
};

const BigFolder& Files() {
  static const BigFolder folder;
  return folder;
}

int ReadWithStatus(const fs::path& folder) {
  DIR* dir = opendir(folder.c_str());
  int count = 0;
  while (const dirent* entry = readdir(dir)) {
    struct stat status {};
    count += fstatat(dirfd(dir), entry->d_name, &status, 0) == 0 ? 1 : 0;
  }
  closedir(dir);
  return count;
}

int Search(platform::FileSystem& files, const std::string& pattern) {
  platform::FindData data;
  const auto handle = files.FindFirstFile(pattern, data);
  int count = 0;
  if (handle == platform::INVALID_HANDLE_VALUE) return count;
  do {
    ++count;
  } while (files.FindNextFile(handle, data));
  files.FindClose(handle);
  return count;
}

void SearchAgainstBaseline(benchmark::State& state, const std::string& pattern) {
  platform::FileSystem files(platform::DriveMap{{'C', Files().Drive()}},
                             Files().Drive() / "Windows");
  double baseline = 0;
  double measured = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    benchmark::DoNotOptimize(ReadWithStatus(Files().Folder()));
    const auto middle = Clock::now();
    benchmark::DoNotOptimize(Search(files, pattern));
    const auto end = Clock::now();
    baseline += std::chrono::duration<double>(middle - start).count();
    measured += std::chrono::duration<double>(end - middle).count();
  }
  state.counters["search_s"] = measured / static_cast<double>(state.iterations());
  state.counters["ratio_to_readdir_stat"] = measured / baseline;
}

void BM_SearchAllOf100000Files(benchmark::State& state) {
  SearchAgainstBaseline(state, "C:\\MANY\\*.*");
}

void BM_SearchDocumentsOf100000Files(benchmark::State& state) {
  SearchAgainstBaseline(state, "C:\\many\\*.doc");
}

BENCHMARK(BM_SearchAllOf100000Files)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SearchDocumentsOf100000Files)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
