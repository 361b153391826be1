#include "platform/printing/Printers.h"

#include "platform/AsciiCase.h"
#include "platform/Error.h"
#include "platform/WinTypes.h"

namespace platform {
namespace {

constexpr char kDevicesKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Devices";
constexpr char kWindowsKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
constexpr char kDeviceValue[] = "Device";
constexpr char kPortData[] = "winspool,Ne00:";

std::string TextOf(const std::optional<RegValue>& value) {
  bool isText = value && (value->type == RegType::Sz || value->type == RegType::ExpandSz);
  return isText ? value->text : std::string();
}

std::string AfterLastComma(const std::string& text) {
  auto comma = text.rfind(',');
  return comma == std::string::npos ? std::string() : text.substr(comma + 1);
}

}  // namespace

Printers::Printers(RegistryStore& store) : store_(store) {}

EnumPrintersResult Printers::EnumPrinters(uint32_t flags) const {
  if ((flags & PRINTER_ENUM_DEFAULT) != 0) return DefaultPrinter();
  if ((flags & (PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS)) == 0) {
    return {false, ERROR_INVALID_PARAMETER, {}};
  }
  EnumPrintersResult result;
  for (const std::string& name : store_.ValueNames(kDevicesKey)) {
    result.printers.push_back({name, AfterLastComma(TextOf(store_.GetValue(kDevicesKey, name)))});
  }
  return result;
}

EnumPrintersResult Printers::DefaultPrinter() const {
  std::string device = GetProfileString("windows", "device", "");
  size_t start = device.find_first_not_of(' ');
  std::string name =
      start == std::string::npos ? "" : device.substr(start, device.find(',') - start);
  if (name.empty()) return {false, ERROR_INVALID_NAME, {}};
  return {true, ERROR_SUCCESS, {{name, AfterLastComma(device)}}};
}

std::string Printers::GetProfileString(const std::string& section, const std::string& key,
                                       const std::string& defaultValue) const {
  const char* registryKey = SameTextAscii(section, "windows")   ? kWindowsKey
                            : SameTextAscii(section, "devices") ? kDevicesKey
                                                                : nullptr;
  std::optional<RegValue> value;
  if (registryKey != nullptr) value = store_.GetValue(registryKey, key);
  return value ? TextOf(value) : defaultValue;
}

void Printers::AddPrinter(const std::string& name) {
  if (name.empty() || name.find(',') != std::string::npos) {
    throw Error("\"" + name + "\" cannot be a printer name: it must not be empty or hold a comma");
  }
  store_.CreateKey(kDevicesKey);
  store_.SetValue(kDevicesKey, name, RegValue::String(kPortData));
}

bool Printers::RemovePrinter(const std::string& name) {
  if (!store_.DeleteValue(kDevicesKey, name)) return false;
  EnumPrintersResult current = DefaultPrinter();
  if (current.ok && SameTextAscii(current.printers[0].PrinterName, name)) {
    store_.DeleteValue(kWindowsKey, kDeviceValue);
  }
  return true;
}

void Printers::SetDefaultPrinter(const std::string& name) {
  if (name.empty()) {
    store_.DeleteValue(kWindowsKey, kDeviceValue);
    return;
  }
  std::optional<RegValue> installed = store_.GetValue(kDevicesKey, name);
  if (!installed) throw Error("The printer \"" + name + "\" is not installed");
  store_.CreateKey(kWindowsKey);
  store_.SetValue(kWindowsKey, kDeviceValue, RegValue::String(name + "," + TextOf(installed)));
}

}  // namespace platform
