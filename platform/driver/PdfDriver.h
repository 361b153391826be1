#pragma once
// The PDF printer "VELTRA Ashgrove PDF Creator": the spooler hands it each job (a document
// name and the job's pages as a PDF file), and it saves the pages as a PDF file with the
// document information from the user's settings.
//
// With automatic output on (`AutomaticOutput` 1 or 3) it writes into the folder
// `AutomaticPath` without asking: "output.pdf.pdf" when the 64-bit Windows test is true,
// else the document's stem + "000.pdf". An earlier file of that name is replaced under 3 and
// kept under 1, the job then failing. With
// automatic output off it saves into the user's documents folder under the document's
// name + ".pdf", numbered "name (1).pdf", "name (2).pdf", ... so that nothing is replaced.
//
// Each file appears complete before Print returns, or not at all: a job that is not a PDF,
// a folder that cannot be written, or a file that does not read back whole (a full disk)
// raises platform::Error and leaves nothing behind, an earlier file of the name untouched.

#include <filesystem>
#include <string>

#include "platform/files/FileSystem.h"
#include "platform/printing/Spooler.h"
#include "platform/registry/RegistryStore.h"
#include "platform/system/System.h"

namespace platform::driver {

class JobDocument;
struct DriverSettings;

class PdfDriver : public PrintDriver {
 public:
  PdfDriver(RegistryStore& store, FileSystem& files, System& system);

  // Serves the driver's printer name on `spooler` from now on; the driver must outlive it.
  void RegisterWith(Spooler& spooler);

  void Print(const PrintJob& job) override;

 private:
  struct Folder {
    std::string name;  // as the user knows it: a drive path ending in "\"
    std::filesystem::path host;
  };

  Folder AutomaticFolder(const std::string& automaticPath);
  Folder DocumentsFolder();
  std::filesystem::path HostPathOf(const std::string& path);
  void SaveAutomatic(JobDocument& document, const DriverSettings& settings,
                     const std::string& documentName);
  void SaveToDocuments(JobDocument& document, const std::string& documentName);

  RegistryStore& store_;
  FileSystem& files_;
  System& system_;
};

}  // namespace platform::driver
