#include "platform/driver/DriverInstaller.h"

#include "platform/driver/DriverNames.h"
#include "platform/system/System.h"

namespace platform::driver {

namespace {

void SetIfMissing(RegistryStore& store, const char* name, const RegValue& value) {
  if (!store.GetValue(SettingsKey, name)) store.SetValue(SettingsKey, name, value);
}

void CreateSettings(RegistryStore& store) {
  store.CreateKey(SettingsKey);
  SetIfMissing(store, "AutomaticOutput", RegValue::Dword(0));
  for (const char* name : {"AutomaticPath", "Title", "Subject", "Author", "Keywords"}) {
    SetIfMissing(store, name, RegValue::String(""));
  }
  SetIfMissing(store, "EmbedNum", RegValue::Dword(0));
  SetIfMissing(store, "AllIndex", RegValue::Dword(0));
}

bool IsDefault(const Printers& printers) {
  auto result = printers.EnumPrinters(PRINTER_ENUM_DEFAULT);
  return result.ok && !result.printers.empty() &&
         System::CompareTextIgnoreCase(result.printers.front().PrinterName, PrinterName) == 0;
}

bool HasDefault(const Printers& printers) {
  auto result = printers.EnumPrinters(PRINTER_ENUM_DEFAULT);
  return result.ok && !result.printers.empty();
}

}  // namespace

bool IsInstalled(const Printers& printers) {
  auto result = printers.EnumPrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS);
  for (const auto& printer : result.printers) {
    if (System::CompareTextIgnoreCase(printer.PrinterName, PrinterName) == 0) return true;
  }
  return false;
}

void Install(RegistryStore& store, Printers& printers) {
  CreateSettings(store);
  if (!IsInstalled(printers)) printers.AddPrinter(PrinterName);
  if (!HasDefault(printers)) printers.SetDefaultPrinter(PrinterName);
}

void Uninstall(RegistryStore& store, Printers& printers, SettingsOnUninstall settings) {
  if (IsDefault(printers)) printers.SetDefaultPrinter("");
  printers.RemovePrinter(PrinterName);
  if (settings == SettingsOnUninstall::Remove) store.DeleteKey(SettingsKey);
}

}  // namespace platform::driver
