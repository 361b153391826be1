#include "tools/batch/BatchTally.h"

#include <optional>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

namespace batch {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

std::optional<int> PageCount(const std::string& pdf) {
  try {
    QPDF document;
    document.setSuppressWarnings(true);
    document.processFile(pdf.c_str());
    return static_cast<int>(QPDFPageDocumentHelper(document).getAllPages().size());
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

BatchTally::BatchTally(platform::FileSystem& files, StatusPrinter& status, BatchReport* report,
                       const StagedFolders& staged)
    : files_(files), status_(status), report_(report), staged_(staged) {}

void BatchTally::Plan(const std::vector<std::string>& sources) {
  planned_.insert(planned_.end(), sources.begin(), sources.end());
  ShowProgress();
}

void BatchTally::Started() {
  fileStarted_ = Clock::now();
}

void BatchTally::Finished(const FileOutcome& outcome) {
  const bool converted = outcome.status == FileOutcome::Status::Converted;
  ++(converted ? converted_ : failed_);
  finished_.insert(outcome.sourcePath);
  if (report_ != nullptr) {
    const std::string pdf = converted ? HostPath(outcome.pdfPath) : "";
    report_->Add({HostPath(outcome.sourcePath), pdf, converted ? "converted" : "failed",
                  staged_.Text(outcome.reason), converted ? PageCount(pdf) : std::nullopt,
                  SecondsSince(fileStarted_)});
  }
  ShowProgress();
}

void BatchTally::ReportSkipped() {
  if (report_ == nullptr) return;
  for (const std::string& source : planned_) {
    if (finished_.count(source) == 0) report_->Add({HostPath(source), "", "skipped", "", {}, {}});
  }
}

std::string BatchTally::HostPath(const std::string& drivePath) const {
  const std::optional<std::filesystem::path> host = files_.ToHost(drivePath);
  return host ? staged_.Host(host->string()) : drivePath;
}

void BatchTally::ShowProgress() {
  status_.SetProgress(converted_ + failed_, planned_.size(), SecondsSince(begun_));
}

}  // namespace batch
