#pragma once
// What became of the documents of a batch: each listed document is counted, timed, written
// to the report when there is one, and shown in the progress bar; those that a stop leaves
// out are reported as skipped at the end.

#include <chrono>
#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "convert/ConversionRun.h"
#include "platform/files/FileSystem.h"
#include "tools/batch/BatchReport.h"
#include "tools/batch/StagedFolders.h"
#include "tools/batch/StatusPrinter.h"

namespace batch {

class BatchTally {
 public:
  // `report` may be null. The report names the documents of staged folders as the user's.
  BatchTally(platform::FileSystem& files, StatusPrinter& status, BatchReport* report,
             const StagedFolders& staged);

  // The source paths (drive paths) that the batch is to convert, in their order.
  void Plan(const std::vector<std::string>& sources);
  void Started();
  void Finished(const FileOutcome& outcome);
  // The planned documents that no run reached.
  void ReportSkipped();

  size_t Converted() const { return converted_; }
  size_t Failed() const { return failed_; }

 private:
  std::string HostPath(const std::string& drivePath) const;
  void ShowProgress();

  platform::FileSystem& files_;
  StatusPrinter& status_;
  BatchReport* report_;
  const StagedFolders& staged_;
  std::vector<std::string> planned_;
  std::set<std::string> finished_;
  size_t converted_ = 0;
  size_t failed_ = 0;
  std::chrono::steady_clock::time_point begun_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point fileStarted_ = begun_;
};

}  // namespace batch
