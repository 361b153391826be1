#pragma once
// The installed printers. They are the values of
// "Software\Microsoft\Windows NT\CurrentVersion\Devices" in the registry store (printer name
// = value name, value "winspool,Ne00:"), in stored order; the default printer is the
// `Device` value of "Software\Microsoft\Windows NT\CurrentVersion\Windows"
// ("name,winspool,Ne00:"), which is also the profile string "windows"/"device".

#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry/RegistryStore.h"

namespace platform {

inline constexpr uint32_t PRINTER_ENUM_DEFAULT = 0x01;
inline constexpr uint32_t PRINTER_ENUM_LOCAL = 0x02;
inline constexpr uint32_t PRINTER_ENUM_CONNECTIONS = 0x04;

struct PrinterInfo {
  std::string PrinterName;
  std::string PortName;  // "Ne00:"
};

struct EnumPrintersResult {
  bool ok = true;
  uint32_t error = 0;  // ERROR_INVALID_NAME when asking for a default that is not set
  std::vector<PrinterInfo> printers;
};

class Printers {
 public:
  explicit Printers(RegistryStore& store);

  // PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS: every installed printer in stored order.
  // PRINTER_ENUM_DEFAULT: the default printer alone, its name as stored in `Device`, or
  // ok = false with ERROR_INVALID_NAME when none is set. Other flags: ERROR_INVALID_PARAMETER.
  EnumPrintersResult EnumPrinters(uint32_t flags) const;
  // The "windows" and "devices" sections of the user's profile: "windows"/"device" gives
  // "name,winspool,Ne00:". A missing entry gives `defaultValue`.
  std::string GetProfileString(const std::string& section, const std::string& key,
                               const std::string& defaultValue) const;

  // For installers. AddPrinter puts a new printer at the end and never makes it the default;
  // a name that is empty or holds a comma raises platform::Error. Removing the default printer
  // leaves no default. SetDefaultPrinter stores the name as given; a printer that is not
  // installed raises platform::Error; an empty name leaves no default printer.
  void AddPrinter(const std::string& name);
  bool RemovePrinter(const std::string& name);
  void SetDefaultPrinter(const std::string& name);

 private:
  EnumPrintersResult DefaultPrinter() const;

  RegistryStore& store_;
};

}  // namespace platform
