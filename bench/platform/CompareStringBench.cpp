// Sorting 10,000 folder names in the user's locale's order as the folder tree sorts them (a
// sort key per name), against a sort by strcasecmp measured in the same run.

#include <benchmark/benchmark.h>
#include <strings.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "bench/LocaleSort.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> FolderNames() {
  std::mt19937 random(42);
  const std::vector<std::string> words = {"Projects", "invoices", "Ärger",  "2024",
                                          "co-op",    "Backup",   "photos", "Übersicht"};
  std::vector<std::string> names;
  for (int i = 0; i < 10000; ++i) {
    names.push_back(words[random() % words.size()] + " " + std::to_string(random() % 100000));
  }
  return names;
}

void BM_SortTenThousandFolderNames(benchmark::State& state) {
  const auto names = FolderNames();
  double baseline = 0;
  double measured = 0;
  for (auto _ : state) {
    auto plain = names;
    auto ours = names;
    const auto start = Clock::now();
    std::sort(plain.begin(), plain.end(), [](const std::string& a, const std::string& b) {
      return strcasecmp(a.c_str(), b.c_str()) < 0;
    });
    const auto middle = Clock::now();
    bench::SortAsTheLocaleDoes(ours);
    const auto end = Clock::now();
    benchmark::DoNotOptimize(ours.data());
    baseline += std::chrono::duration<double>(middle - start).count();
    measured += std::chrono::duration<double>(end - middle).count();
  }
  state.counters["sort_s"] = measured / static_cast<double>(state.iterations());
  state.counters["ratio_to_strcasecmp"] = measured / baseline;
}

BENCHMARK(BM_SortTenThousandFolderNames)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
