#include "tools/batch/BatchReport.h"

#include <cerrno>
#include <cstring>

#include "platform/Error.h"
#include "tools/batch/BatchOptions.h"

namespace batch {
namespace {

std::string Field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string Seconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", seconds);
  return text;
}

}  // namespace

BatchReport::BatchReport(const std::string& file) : file_(file) {
  out_ = file == "-" ? stdout : std::fopen(file.c_str(), "w");
  if (out_ == nullptr) {
    throw UsageError("cannot write the report " + file + ": " + std::strerror(errno));
  }
  if (std::fprintf(out_, "source,pdf,status,reason,pages,seconds\r\n") < 0 ||
      std::fflush(out_) != 0) {
    throw UsageError("cannot write the report " + file + ": " + std::strerror(errno));
  }
}

BatchReport::~BatchReport() {
  if (out_ != stdout) std::fclose(out_);
}

void BatchReport::Add(const ReportRow& row) {
  Write(Field(row.source) + "," + Field(row.pdf) + "," + row.status + "," + Field(row.reason) +
        "," + (row.pages ? std::to_string(*row.pages) : "") + "," +
        (row.seconds ? Seconds(*row.seconds) : "") + "\r\n");
}

void BatchReport::Write(const std::string& text) {
  if (std::fputs(text.c_str(), out_) < 0 || std::fflush(out_) != 0) {
    throw platform::Error("cannot write the report " + file_ + ": " + std::strerror(errno));
  }
}

}  // namespace batch
