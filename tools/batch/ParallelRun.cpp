#include "tools/batch/ParallelRun.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <thread>

#include "convert/DriverOwnership.h"
#include "platform/AsciiCase.h"
#include "platform/Error.h"
#include "platform/files/ReservedCharacters.h"
#include "tools/batch/StagedFolders.h"

namespace batch {
namespace {

namespace fs = std::filesystem;

constexpr char kDrivesKey[] = "Software\\Sheafmill\\Platform\\Drives";
constexpr char kReportHeader[] = "source,pdf,status,reason,pages,seconds\r\n";

std::string EntryName(const std::string& drivePath) {
  return drivePath.substr(drivePath.rfind('\\') + 1);
}

bool EndsWithNumber(const std::string& stem, size_t digits) {
  if (stem.size() < digits) return false;
  return std::all_of(stem.end() - static_cast<std::ptrdiff_t>(digits), stem.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

// Documents whose stems agree but for case, the extension and the endings that the output's
// names add may meet in one destination: memo.doc and memo.txt both give memo.pdf, the
// driver writes its output as memo000.pdf, a kept PDF makes way for memo__000.pdf, and when
// all of those are taken, memo99999999999.pdf.
std::string MeetingKey(const std::string& entry) {
  std::string stem = platform::AsciiUpper(entry.substr(0, entry.rfind('.')));
  for (bool shortened = true; shortened;) {
    shortened = false;
    if (stem.ends_with("99999999999")) {
      stem.resize(stem.size() - 11);
      shortened = true;
    } else if (EndsWithNumber(stem, 3) && stem.size() >= 5 &&
               stem.compare(stem.size() - 5, 2, "__") == 0) {
      stem.resize(stem.size() - 5);
      shortened = true;
    } else if (stem.ends_with("000")) {
      stem.resize(stem.size() - 3);
      shortened = true;
    }
  }
  return stem;
}

// The profile without its locks: those are the user's run's.
void CopyProfile(const fs::path& from, const fs::path& to) {
  fs::create_directories(to);
  for (auto entry = fs::recursive_directory_iterator(from);
       entry != fs::recursive_directory_iterator(); ++entry) {
    const fs::path target = to / fs::relative(entry->path(), from);
    if (entry->is_symlink()) {
      fs::copy_symlink(entry->path(), target);
    } else if (entry->is_directory()) {
      fs::create_directories(target);
    } else if (entry->is_regular_file() && entry->path().extension() != ".lock") {
      fs::copy_file(entry->path(), target);
    }
  }
}

// A drive letter that the profile does not use yet.
std::string FreeDrive(const platform::RegistryStore& store) {
  const std::vector<std::string> used = store.ValueNames(kDrivesKey);
  for (char letter = 'Y'; letter >= 'D'; --letter) {
    const std::string drive = std::string(1, letter) + ":";
    bool taken = false;
    for (const std::string& name : used) taken = taken || platform::AsciiUpper(name) == drive;
    if (!taken) return drive;
  }
  throw platform::Error("The profile has no free drive letter for a worker");
}

}  // namespace

ParallelRun::ParallelRun(const BatchOptions& options, platform::Platform& platform,
                         std::filesystem::path temporary, const InterruptSignal& interrupt,
                         StatusPrinter& status, BatchReport* report, WorkerProcesses& workers)
    : options_(options),
      platform_(platform),
      temporary_(std::move(temporary)),
      interrupt_(interrupt),
      status_(status),
      report_(report),
      workers_(workers) {}

int ParallelRun::Execute(BatchRun& planner) {
  const std::optional<std::vector<BatchRun::PlannedFolder>> plan = planner.Plan();
  if (!plan) return 1;
  DriverOwnership ownership(platform_.ProfileLocks());
  if (!ownership.Take()) {
    std::fprintf(stderr, "%s\n", TerminalLines(ownership.Refusal()).c_str());
    return 1;
  }
  for (const BatchRun::PlannedFolder& folder : *plan) total_ += folder.files.size();
  ShowProgress();
  for (const Share& share : Split(*plan)) {
    if (!interrupt_.Requested()) StartWorker(share);
  }
  return Watch();
}

// Groups of documents that may meet go, in the order of the plan, to the worker with the
// fewest documents so far; each worker keeps the plan's order.
std::vector<ParallelRun::Share> ParallelRun::Split(
    const std::vector<BatchRun::PlannedFolder>& plan) const {
  std::map<std::pair<size_t, std::string>, size_t> workerOfGroup;
  std::vector<size_t> load(options_.jobs, 0);
  std::vector<Share> shares(options_.jobs);
  for (size_t folder = 0; folder < plan.size(); ++folder) {
    for (Share& share : shares) share.push_back({plan[folder].folder, {}});
    for (const std::string& file : plan[folder].files) {
      const auto key = std::make_pair(folder, MeetingKey(EntryName(file)));
      auto found = workerOfGroup.find(key);
      if (found == workerOfGroup.end()) {
        const size_t least = static_cast<size_t>(
            std::distance(load.begin(), std::min_element(load.begin(), load.end())));
        found = workerOfGroup.emplace(key, least).first;
      }
      ++load[found->second];
      shares[found->second][folder].files.push_back(file);
    }
  }
  const auto empty = [](const Share& share) {
    return std::all_of(share.begin(), share.end(),
                       [](const BatchRun::PlannedFolder& folder) { return folder.files.empty(); });
  };
  // A folder without documents is still converted, as with one office, unless recursive
  // runs leave it out.
  const bool keepOne = !options_.recursive && std::all_of(shares.begin(), shares.end(), empty);
  std::erase_if(shares, empty);
  if (keepOne) shares.push_back({plan.front()});
  return shares;
}

void ParallelRun::StartWorker(const Share& share) {
  const fs::path folder = temporary_ / ("worker-" + std::to_string(started_.size() + 1));
  Stage(share, folder);
  std::vector<std::string> args = WorkerArguments(options_);
  args.insert(args.end(), {"--report", (folder / "report.csv").string(), "--worker",
                           folder.string(), "--", options_.source});
  started_.push_back({folder, FileTail(folder / "report.csv", sizeof kReportHeader - 1),
                      FileTail(folder / "output"), FileTail(folder / "messages")});
  WorkerProcesses::Streams streams;
  if (status_.Terminal()) {
    streams.output = folder / "output";
    streams.errors = folder / "messages";
  } else {
    streams.outputToError = report_ != nullptr && report_->ToStandardOutput();
  }
  workers_.Start(args, folder / "profile", streams);
}

// The worker's profile, with a drive of its own for the folders of links to its documents.
void ParallelRun::Stage(const Share& share, const fs::path& folder) const {
  CopyProfile(platform_.Registry().File().parent_path(), folder / "profile");
  platform::RegistryStore store(folder / "profile");
  const std::string drive = FreeDrive(store);
  store.SetValue(kDrivesKey, drive, platform::RegValue::String((folder / "stage").string()));
  platform::FileSystem& files = platform_.Files();
  std::vector<StagedFolder> staged;
  for (size_t i = 0; i < share.size(); ++i) {
    if (share[i].files.empty() && options_.recursive) continue;
    const std::string name = "F" + std::to_string(i);
    const fs::path host = folder / "stage" / name;
    fs::create_directories(host);
    for (const std::string& file : share[i].files) {
      // The link's host name gives the worker's drive view the document's own name back.
      fs::create_symlink(*files.ToHost(file), host / platform::ToHostName(EntryName(file)));
    }
    const BatchRun::FolderPair& pair = share[i].folder;
    // The window names the user's folder as the disk spells it.
    const std::string shown = files.DiskSpelling(pair.source).value_or(pair.source);
    staged.push_back({drive + "\\" + name, pair.destination.value_or(pair.source), shown, host,
                      *files.ToHost(pair.source)});
  }
  StagedFolders(std::move(staged)).Write(folder / "plan");
}

int ParallelRun::Watch() {
  std::vector<int> statuses(started_.size(), 0);
  while (workers_.Running()) {
    if (interrupt_.Requested()) workers_.Interrupt();
    for (const auto& [worker, status] : workers_.Reap()) {
      statuses[worker] = status;
      // Without --keep-going the first failure ends the run, as with one office.
      if (status != 0 && !options_.keepGoing) workers_.Interrupt();
    }
    PassOn();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  PassOn();
  status_.EndLine();
  return Finish(statuses);
}

void ParallelRun::PassOn() {
  PassReportsOn();
  ShowProgress();
  PassOutputOn();
}

// The rows that the workers' reports gained, each whole (a row is written at once).
void ParallelRun::PassReportsOn() {
  if (report_ == nullptr) return;
  for (Worker& worker : started_) {
    const std::string rows = worker.report.Next("\r\n");
    if (!rows.empty()) report_->AddRows(rows);
  }
}

// Messages first, on lines of their own, then the status lines under the bar.
void ParallelRun::PassOutputOn() {
  for (Worker& worker : started_) {
    const std::string messages = worker.messages.Next("\n");
    if (messages.empty()) continue;
    status_.EndLine();
    std::fputs(messages.c_str(), stderr);
  }
  for (Worker& worker : started_) {
    const std::string lines = worker.output.Next("\n");
    for (size_t start = 0, end; start < lines.size(); start = end + 1) {
      end = lines.find('\n', start);
      status_.Show(StatusLine::Lower, lines.substr(start, end - start));
    }
  }
}

void ParallelRun::ShowProgress() {
  const auto [converted, failed] = Counts();
  status_.SetProgress(
      converted + failed, total_,
      std::chrono::duration<double>(std::chrono::steady_clock::now() - begun_).count());
}

// The documents converted and failed by all workers, as their counts say so far.
std::pair<size_t, size_t> ParallelRun::Counts() const {
  std::pair<size_t, size_t> counts;
  for (const Worker& worker : started_) {
    size_t converted = 0;
    size_t failed = 0;
    std::ifstream(worker.folder / "counts") >> converted >> failed;
    counts.first += converted;
    counts.second += failed;
  }
  return counts;
}

int ParallelRun::Finish(const std::vector<int>& statuses) {
  const auto [converted, failed] = Counts();
  if (options_.keepGoing) {
    status_.Print(std::to_string(converted) + " converted, " + std::to_string(failed) + " failed.");
  }
  const bool anyFailed = std::any_of(statuses.begin(), statuses.end(), [](int status) {
    return status != 0 && status != InterruptSignal::kExitStatus;
  });
  if (anyFailed) return 1;
  const bool stopped = interrupt_.Requested() ||
                       std::count(statuses.begin(), statuses.end(), 0) != std::ssize(statuses);
  return stopped ? InterruptSignal::kExitStatus : 0;
}

}  // namespace batch
