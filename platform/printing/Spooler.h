#pragma once
// The print spooler: hands each job to the driver of the printer that the job names.

#include <filesystem>
#include <map>
#include <string>

namespace platform {

struct PrintJob {
  std::string printerName;
  std::string documentName;       // the document's name as the printing application gives it
  std::filesystem::path pdfFile;  // host path of the job's pages, a PDF file
};

// What a printer driver offers the spooler. Print returns when the job has been handled
// completely, and raises platform::Error with a clear message when it cannot be.
class PrintDriver {
 public:
  virtual ~PrintDriver() = default;
  virtual void Print(const PrintJob& job) = 0;
};

class Spooler {
 public:
  // A driver serves the printers registered with it; the spooler does not own it.
  void RegisterDriver(const std::string& printerName, PrintDriver& driver);
  void UnregisterDriver(const std::string& printerName);
  // Raises platform::Error when the printer has no driver (it is not installed).
  void Submit(const PrintJob& job);
  bool HasPrinter(const std::string& printerName) const;

 private:
  std::map<std::string, PrintDriver*> drivers_;  // keys upper-cased
};

}  // namespace platform
