#pragma once
// One running instance of an authoring application, shared by all of its automation objects:
// its office, the documents it has open, and the platform services it prints through. It
// lives as long as any of its objects: when the last one is released, its documents close
// and its office ends, whether Quit was called or not.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/automation/Variant.h"
#include "platform/files/FileSystem.h"
#include "platform/hosts/ImportFilters.h"
#include "platform/hosts/Office.h"
#include "platform/printing/Printers.h"
#include "platform/printing/Spooler.h"

namespace platform::hosts {

struct HostServices {
  Spooler& spooler;
  Printers& printers;
  FileSystem& files;
};

// Makes the office of a new instance; raises platform::Error when it cannot start.
using OfficeFactory = std::function<std::unique_ptr<Office>()>;

// A document open in an instance.
struct HostDocument {
  std::string fullName;                    // the path it was opened by, as the client wrote it
  std::string name;                        // its file name, as the folder spells it
  std::unique_ptr<OfficeDocument> office;  // empty once closed
  bool saved = true;
  // PowerPoint keeps print options with each presentation: its own printer (empty: the
  // default printer), colour mode (ppPrintColor) and background printing (msoTrue).
  std::string activePrinter;
  int32_t printColorType = 1;
  int32_t printInBackground = -1;
};

class HostInstance {
 public:
  HostInstance(HostFamily family, HostServices services, std::unique_ptr<Office> office);
  ~HostInstance();
  HostInstance(const HostInstance&) = delete;
  HostInstance& operator=(const HostInstance&) = delete;

  HostFamily Family() const { return family_; }
  // "Word", "Excel", ...: the source of the exceptions the instance raises.
  const char* Name() const;

  // Opens the document at the Windows path `path`, or returns it when it is open already.
  std::shared_ptr<HostDocument> Open(const std::string& path);
  // The open document whose full name or file name is `key` (letter case ignored), or the
  // one at 1-based position `key` when it is a number; nothing when there is none.
  std::shared_ptr<HostDocument> Find(const Variant& key) const;
  const std::vector<std::shared_ptr<HostDocument>>& Documents() const { return documents_; }
  void Close(const std::shared_ptr<HostDocument>& document);
  // The office's document; raises an error when the document has been closed.
  OfficeDocument& Opened(HostDocument& document) const;

  // Prints the document's pages to `printerName` (the default printer when empty), titled
  // with its file name. Raises platform::Error when the printer is not installed or the
  // pages cannot be made or spooled.
  void Print(HostDocument& document, const std::string& printerName);
  // The name of the default printer, or empty when there is none.
  std::string DefaultPrinter() const;
  Printers& PrinterList() { return services_.printers; }

  // The printer the application prints to; empty: the default printer.
  const std::string& ActivePrinter() const { return activePrinter_; }
  void SetActivePrinter(std::string printer) { activePrinter_ = std::move(printer); }

  // Closes every document and ends the office. Calls after it raise an error.
  void Quit();
  // Raises an error once the instance has quit.
  void CheckRunning() const;

 private:
  HostFamily family_;
  HostServices services_;
  std::unique_ptr<Office> office_;
  std::vector<std::shared_ptr<HostDocument>> documents_;
  std::string activePrinter_;
};

}  // namespace platform::hosts
