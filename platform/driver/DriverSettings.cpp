#include "platform/driver/DriverSettings.h"

#include "platform/WinTypes.h"
#include "platform/driver/DriverNames.h"
#include "platform/registry/RegKey.h"

namespace platform::driver {

DriverSettings DriverSettings::Read(RegistryStore& store) {
  DriverSettings settings;
  auto key = RegKey::Open(store, SettingsKey, KEY_READ);
  if (!key) return settings;
  if (key->ValueExists("AutomaticOutput")) {
    int32_t mode = key->ReadInteger("AutomaticOutput");
    settings.AutomaticOutput = mode == 1 || mode == 3;
    settings.KeepExisting = mode == 1;
  }
  settings.AutomaticPath = key->ReadString("AutomaticPath");
  settings.Info.Title = key->ReadString("Title");
  settings.Info.Subject = key->ReadString("Subject");
  settings.Info.Author = key->ReadString("Author");
  settings.Info.Keywords = key->ReadString("Keywords");
  key->Close();
  return settings;
}

}  // namespace platform::driver
