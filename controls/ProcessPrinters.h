#pragma once
// The process's list of installed printers and its current printer. The names are
// enumerated on first use and then held until a refresh; the current printer is the default
// printer until someone chooses another. One list serves the whole program, so every user
// sees the same current printer.

#include <string>
#include <vector>

#include "platform/printing/Printers.h"

namespace controls {

class ProcessPrinters {
 public:
  explicit ProcessPrinters(platform::Printers& printers);

  // The installed printers in the order the platform enumerates them; not sorted.
  const std::vector<std::string>& Names();
  int Count() { return static_cast<int>(Names().size()); }
  // Drops the held names, so that the next use enumerates again; the current index stays.
  void Refresh();

  // The current printer's index. Until one was chosen it is the default printer's, looked up
  // now: EPrinter "There is no default printer currently selected" when there is no default
  // printer or it is not among the names.
  int PrinterIndex();
  // Makes `index` the current printer; EPrinter "Printer index out of range" unless it is an
  // index of the names.
  void SetPrinterIndex(int index);

 private:
  struct Entry {
    std::string name;
    std::string device;  // what the default printer's name is compared with
  };

  const std::vector<Entry>& Entries();
  void ChooseDefaultPrinter();
  std::string DefaultPrinterName() const;

  platform::Printers& printers_;
  bool enumerated_ = false;
  std::vector<Entry> entries_;
  std::vector<std::string> names_;
  int index_ = -1;
};

}  // namespace controls
