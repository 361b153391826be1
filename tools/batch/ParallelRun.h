#pragma once
// A run with more than one office at once. The driver takes its output folder from one key
// per profile, so each office runs in a worker process of this tool on a private copy of the
// user's profile. The documents that one office would convert are shared out so that those
// whose PDF files could meet (the same final or interim name in the same destination) go to
// the same worker, in the order one office takes them: the same files are written as by one
// office. The parent owns the user's driver throughout, so that no other run starts on the
// profile meanwhile, and passes the workers' report rows, counts and exit status on. On a
// terminal it also passes their status lines and messages on, under one progress bar of all
// their documents; elsewhere the workers print their lines themselves.

#include <chrono>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "tools/batch/BatchOptions.h"
#include "tools/batch/BatchReport.h"
#include "tools/batch/BatchRun.h"
#include "tools/batch/FileTail.h"
#include "tools/batch/InterruptSignal.h"
#include "tools/batch/StatusPrinter.h"
#include "tools/batch/WorkerProcesses.h"

namespace batch {

class ParallelRun {
 public:
  // `temporary` is the run's private temporary folder, which holds the workers' profiles.
  ParallelRun(const BatchOptions& options, platform::Platform& platform,
              std::filesystem::path temporary, const InterruptSignal& interrupt,
              StatusPrinter& status, BatchReport* report, WorkerProcesses& workers);

  // The exit status, as BatchRun::Execute gives it. `planner` lists the documents.
  int Execute(BatchRun& planner);

 private:
  using Share = std::vector<BatchRun::PlannedFolder>;
  struct Worker {
    std::filesystem::path folder;
    FileTail report;
    FileTail output;    // its status lines, on a terminal
    FileTail messages;  // its standard error, on a terminal
  };

  std::vector<Share> Split(const std::vector<BatchRun::PlannedFolder>& plan) const;
  void StartWorker(const Share& share);
  void Stage(const Share& share, const std::filesystem::path& folder) const;
  int Watch();
  void PassOn();
  void PassReportsOn();
  void PassOutputOn();
  void ShowProgress();
  std::pair<size_t, size_t> Counts() const;
  int Finish(const std::vector<int>& statuses);

  const BatchOptions& options_;
  platform::Platform& platform_;
  std::filesystem::path temporary_;
  const InterruptSignal& interrupt_;
  StatusPrinter& status_;
  BatchReport* report_;
  WorkerProcesses& workers_;
  std::vector<Worker> started_;
  size_t total_ = 0;  // documents of all workers
  std::chrono::steady_clock::time_point begun_ = std::chrono::steady_clock::now();
};

}  // namespace batch
