// The printers that Windows' spooler knows, and the user's default printer.

#include "platform/printing/Printers.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace platform {
namespace {

using win32::Narrow;
using win32::Wide;

EnumPrintersResult Failure(uint32_t error) {
  return EnumPrintersResult{false, error, {}};
}

// PRINTER_INFO_5 carries the name and the port, and the spooler answers it without asking
// each printer's driver.
EnumPrintersResult Installed(DWORD flags) {
  DWORD needed = 0;
  DWORD count = 0;
  std::vector<BYTE> buffer;
  for (;;) {
    if (EnumPrintersW(flags, nullptr, 5, buffer.data(), static_cast<DWORD>(buffer.size()), &needed,
                      &count)) {
      break;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_INSUFFICIENT_BUFFER || needed <= buffer.size()) return Failure(error);
    buffer.resize(needed);
  }
  EnumPrintersResult result;
  const auto* info = reinterpret_cast<const PRINTER_INFO_5W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    result.printers.push_back(PrinterInfo{Narrow(info[i].pPrinterName ? info[i].pPrinterName : L""),
                                          Narrow(info[i].pPortName ? info[i].pPortName : L"")});
  }
  return result;
}

}  // namespace

Printers::Printers(RegistryStore& store) : store_(store) {}

EnumPrintersResult Printers::EnumPrinters(uint32_t flags) const {
  if (flags == PRINTER_ENUM_DEFAULT) return DefaultPrinter();
  return Installed(flags);
}

// Windows NT answers PRINTER_ENUM_DEFAULT with nothing; the default printer is
// GetDefaultPrinterW's. None set is ERROR_INVALID_NAME, as the spooler of the first Windows
// versions of this call said.
EnumPrintersResult Printers::DefaultPrinter() const {
  DWORD size = 0;
  if (!GetDefaultPrinterW(nullptr, &size) && GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
    const DWORD error = GetLastError();
    return Failure(error == ERROR_FILE_NOT_FOUND ? ERROR_INVALID_NAME : error);
  }
  std::wstring name(size, L'\0');
  if (!GetDefaultPrinterW(name.data(), &size)) return Failure(GetLastError());
  name.resize(size > 0 ? size - 1 : 0);
  EnumPrintersResult result;
  result.printers.push_back(PrinterInfo{Narrow(name), ""});
  for (const PrinterInfo& installed :
       Installed(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS).printers) {
    if (installed.PrinterName == result.printers.front().PrinterName)
      result.printers.front() = installed;
  }
  return result;
}

std::string Printers::GetProfileString(const std::string& section, const std::string& key,
                                       const std::string& defaultValue) const {
  const std::wstring wideSection = Wide(section);
  const std::wstring wideKey = Wide(key);
  const std::wstring wideDefault = Wide(defaultValue);
  std::wstring text(256, L'\0');
  for (;;) {
    const DWORD length =
        GetProfileStringW(wideSection.c_str(), wideKey.c_str(), wideDefault.c_str(), text.data(),
                          static_cast<DWORD>(text.size()));
    // A value cut short fills the buffer but for its terminating NUL.
    if (length + 1 < text.size()) return Narrow(std::wstring_view(text.data(), length));
    text.resize(text.size() * 4);
  }
}

}  // namespace platform
