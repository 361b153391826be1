#include "platform/printing/Spooler.h"

#include "platform/AsciiCase.h"
#include "platform/Error.h"

namespace platform {

void Spooler::RegisterDriver(const std::string& printerName, PrintDriver& driver) {
  drivers_[AsciiUpper(printerName)] = &driver;
}

void Spooler::UnregisterDriver(const std::string& printerName) {
  drivers_.erase(AsciiUpper(printerName));
}

void Spooler::Submit(const PrintJob& job) {
  auto it = drivers_.find(AsciiUpper(job.printerName));
  if (it == drivers_.end()) {
    throw Error("Cannot print \"" + job.documentName + "\": the printer \"" + job.printerName +
                "\" is not installed");
  }
  it->second->Print(job);
}

bool Spooler::HasPrinter(const std::string& printerName) const {
  return drivers_.contains(AsciiUpper(printerName));
}

}  // namespace platform
