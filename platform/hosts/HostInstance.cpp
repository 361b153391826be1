#include "platform/hosts/HostInstance.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>

#include "platform/AsciiCase.h"
#include "platform/Error.h"
#include "platform/automation/OleError.h"
#include "platform/files/ReservedCharacters.h"
#include "platform/files/WindowsPath.h"

namespace fs = std::filesystem;

namespace platform::hosts {
namespace {

// The file the office writes a job's pages into until the spooler has taken them.
class SpoolFile {
 public:
  SpoolFile() {
    std::string pattern = (fs::temp_directory_path() / "sheafmill-spool-XXXXXX.pdf").string();
    int fd = ::mkstemps(pattern.data(), 4);
    if (fd < 0) throw Error("Cannot make a spool file in " + fs::temp_directory_path().string());
    ::close(fd);
    path_ = pattern;
  }
  ~SpoolFile() {
    std::error_code error;
    fs::remove(path_, error);
  }
  SpoolFile(const SpoolFile&) = delete;
  SpoolFile& operator=(const SpoolFile&) = delete;
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

bool IsInstalled(Printers& printers, const std::string& name) {
  EnumPrintersResult installed =
      printers.EnumPrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS);
  return std::any_of(
      installed.printers.begin(), installed.printers.end(),
      [&](const PrinterInfo& info) { return SameTextAscii(info.PrinterName, name); });
}

}  // namespace

HostInstance::HostInstance(HostFamily family, HostServices services, std::unique_ptr<Office> office)
    : family_(family), services_(services), office_(std::move(office)) {}

// The documents close before the office ends.
HostInstance::~HostInstance() {
  documents_.clear();
}

const char* HostInstance::Name() const {
  return HostFamilyName(family_);
}

std::shared_ptr<HostDocument> HostInstance::Open(const std::string& path) {
  CheckRunning();
  if (auto open = Find(Variant::FromText(path)); open && SameTextAscii(open->fullName, path)) {
    return open;
  }
  std::optional<fs::path> host = services_.files.ToHost(path);
  if (!host) throw Error("The file \"" + path + "\" could not be found.");
  ImportFilter filter = ChooseImportFilter(family_, *host, path);
  auto document = std::make_shared<HostDocument>();
  document->fullName = path;
  // The Windows spelling of the name: a printed document is named after it.
  document->name = ToWindowsName(host->filename().string());
  document->office = office_->Open(*host, path, filter);
  documents_.push_back(document);
  return document;
}

std::shared_ptr<HostDocument> HostInstance::Find(const Variant& key) const {
  if (key.BaseType() == VT_I4) {
    int32_t index = key.Int();
    if (index < 1 || static_cast<size_t>(index) > documents_.size()) return nullptr;
    return documents_[static_cast<size_t>(index - 1)];
  }
  std::string text = key.BaseType() == VT_BSTR ? key.Text() : std::string();
  auto found = std::find_if(documents_.begin(), documents_.end(), [&](const auto& document) {
    return SameTextAscii(document->fullName, text) || SameTextAscii(document->name, text);
  });
  return found == documents_.end() ? nullptr : *found;
}

void HostInstance::Close(const std::shared_ptr<HostDocument>& document) {
  Opened(*document).Close();
  document->office.reset();
  std::erase(documents_, document);
}

OfficeDocument& HostInstance::Opened(HostDocument& document) const {
  CheckRunning();
  if (!document.office) throw Error("The object has been deleted.");
  return *document.office;
}

void HostInstance::Print(HostDocument& document, const std::string& printerName) {
  OfficeDocument& pages = Opened(document);
  std::string printer = printerName.empty() ? DefaultPrinter() : printerName;
  if (printer.empty()) throw Error("No default printer is set.");
  if (!IsInstalled(services_.printers, printer)) {
    throw Error("The printer \"" + printer + "\" is not installed.");
  }
  SpoolFile spool;
  pages.ExportPdf(spool.Path());
  services_.spooler.Submit({printer, document.name, spool.Path()});
}

std::string HostInstance::DefaultPrinter() const {
  EnumPrintersResult found = services_.printers.EnumPrinters(PRINTER_ENUM_DEFAULT);
  return found.ok && !found.printers.empty() ? found.printers.front().PrinterName : "";
}

void HostInstance::Quit() {
  CheckRunning();
  // Ending the office closes its documents: no need to close them one by one.
  office_->Quit();
  documents_.clear();
  office_.reset();
}

void HostInstance::CheckRunning() const {
  if (!office_) throw Error(std::string(Name()) + " has quit and takes no more calls.");
}

}  // namespace platform::hosts
