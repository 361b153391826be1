#pragma once
// A private world for the authoring applications: a drive C: in a temporary folder, a
// registry store with the PDF printer installed, a spooler whose driver for that printer
// keeps each job, and the program's host automation over an automation runtime.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "convert/DriverNames.h"
#include "convert/HostAutomation.h"
#include "platform/automation/AutomationRuntime.h"
#include "platform/files/FileSystem.h"
#include "platform/hosts/HostInstance.h"
#include "platform/printing/Printers.h"
#include "platform/printing/Spooler.h"
#include "platform/registry/RegistryStore.h"
#include "platform/system/System.h"
#include "tests/support/TempDir.h"

namespace hoststest {

struct Job {
  std::string printer;
  std::string document;
  std::filesystem::path pdf;  // a copy of the job's pages
};

// Keeps a copy of every job's pages: the spool file itself goes when Print returns.
class RecordingDriver : public platform::PrintDriver {
 public:
  explicit RecordingDriver(std::filesystem::path folder) : folder_(std::move(folder)) {}
  void Print(const platform::PrintJob& job) override {
    auto copy = folder_ / ("job" + std::to_string(jobs.size() + 1) + ".pdf");
    std::filesystem::copy_file(job.pdfFile, copy);
    jobs.push_back({job.printerName, job.documentName, copy});
  }
  std::vector<Job> jobs;

 private:
  std::filesystem::path folder_;
};

class HostsWorld {
 public:
  HostsWorld() {
    printers.AddPrinter(kDriverPrinterName);
    spooler.RegisterDriver(kDriverPrinterName, driver);
    // AutoCAD's start-up pause is the program's business, not the hosts'.
    system.SetSleepHandler([](uint32_t) {});
  }

  // Copies `file` into C:\DOCS under `name` and gives its Windows path.
  std::string Place(const std::filesystem::path& file, const std::string& name) {
    std::filesystem::copy_file(file, docs / name,
                               std::filesystem::copy_options::overwrite_existing);
    return "C:\\DOCS\\" + name;
  }
  std::string Write(const std::string& name, const std::string& content) {
    std::ofstream(docs / name, std::ios::binary) << content;
    return "C:\\DOCS\\" + name;
  }

  platform::hosts::HostServices Services() { return {spooler, printers, files}; }

  testsupport::TempDir temp;
  std::filesystem::path docs = temp.MakeDir("c/DOCS");
  platform::RegistryStore store{temp.MakeDir("profile")};
  platform::Printers printers{store};
  platform::Spooler spooler;
  platform::FileSystem files{{{'C', temp.Path() / "c"}}, temp.MakeDir("windows")};
  RecordingDriver driver{temp.MakeDir("jobs")};
  platform::AutomationRuntime runtime;
  platform::System system;
  HostAutomation automation{runtime, system};
};

}  // namespace hoststest
