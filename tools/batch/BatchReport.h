#pragma once
// The batch tool's report: a CSV file (RFC 4180: fields with a comma, a quote or a line break
// are quoted, quotes doubled, lines ended by CR LF) with the header
// source,pdf,status,reason,pages,seconds and one row per listed document. Each row is written
// and flushed as its document is done, so that a run that is stopped leaves a true partial
// report.

#include <cstdio>
#include <optional>
#include <string>

namespace batch {

struct ReportRow {
  std::string source;  // host paths
  std::string pdf;
  std::string status;  // converted, failed or skipped
  std::string reason;
  std::optional<int> pages;
  std::optional<double> seconds;
};

class BatchReport {
 public:
  // `file` is a file name, or "-" for standard output. Writes the header; raises UsageError
  // when the file cannot be written, and Add platform::Error when a row cannot.
  explicit BatchReport(const std::string& file);
  ~BatchReport();
  BatchReport(const BatchReport&) = delete;
  BatchReport& operator=(const BatchReport&) = delete;

  bool ToStandardOutput() const { return out_ == stdout; }
  void Add(const ReportRow& row);
  // Whole rows of another report (a worker's), CR LF included.
  void AddRows(const std::string& rows) { Write(rows); }

 private:
  void Write(const std::string& text);

  std::string file_;
  std::FILE* out_ = nullptr;
};

}  // namespace batch
