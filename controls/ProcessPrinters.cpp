#include "controls/ProcessPrinters.h"

#include "platform/Error.h"
#include "platform/WinTypes.h"
#include "platform/system/System.h"

namespace controls {

namespace {

constexpr char kNoDefaultPrinter[] = "There is no default printer currently selected";
constexpr char kIndexOutOfRange[] = "Printer index out of range";

}  // namespace

ProcessPrinters::ProcessPrinters(platform::Printers& printers) : printers_(printers) {}

const std::vector<std::string>& ProcessPrinters::Names() {
  Entries();
  return names_;
}

void ProcessPrinters::Refresh() {
  enumerated_ = false;
  entries_.clear();
  names_.clear();
}

const std::vector<ProcessPrinters::Entry>& ProcessPrinters::Entries() {
  if (enumerated_) {
    return entries_;
  }
  // A failed enumeration is held as an empty list, like one that found nothing.
  platform::EnumPrintersResult found =
      printers_.EnumPrinters(platform::PRINTER_ENUM_LOCAL | platform::PRINTER_ENUM_CONNECTIONS);
  if (found.ok) {
    for (const platform::PrinterInfo& printer : found.printers) {
      entries_.push_back({printer.PrinterName, printer.PrinterName});
      names_.push_back(printer.PrinterName);
    }
  }
  enumerated_ = true;
  return entries_;
}

int ProcessPrinters::PrinterIndex() {
  if (index_ == -1) {
    ChooseDefaultPrinter();
  }
  return index_;
}

void ProcessPrinters::SetPrinterIndex(int index) {
  if (index_ == -1) {
    ChooseDefaultPrinter();
  }
  if (index < 0 || index >= Count()) {
    throw platform::EPrinter(kIndexOutOfRange);
  }
  index_ = index;
}

void ProcessPrinters::ChooseDefaultPrinter() {
  std::string name = DefaultPrinterName();
  const std::vector<Entry>& entries = Entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    if (platform::System::CompareTextIgnoreCase(entries[i].device, name) == 0) {
      index_ = static_cast<int>(i);
      return;
    }
  }
  throw platform::EPrinter(kNoDefaultPrinter);
}

std::string ProcessPrinters::DefaultPrinterName() const {
  platform::EnumPrintersResult found = printers_.EnumPrinters(platform::PRINTER_ENUM_DEFAULT);
  if (!found.ok && found.error == platform::ERROR_INVALID_NAME) {
    throw platform::EPrinter(kNoDefaultPrinter);
  }
  if (!found.ok && found.error != platform::ERROR_INSUFFICIENT_BUFFER) {
    throw platform::EOSError(found.error,
                             "System Error.  Code: " + std::to_string(found.error) + ".");
  }
  if (!found.printers.empty()) {
    return found.printers.front().PrinterName;
  }
  // No record: the profile's "device" entry, "name,driver,port", up to its first comma.
  std::string device = printers_.GetProfileString("windows", "device", "");
  size_t start = device.find_first_not_of(' ');
  if (start == std::string::npos) {
    return "";
  }
  return device.substr(start, device.find(',', start) - start);
}

}  // namespace controls
