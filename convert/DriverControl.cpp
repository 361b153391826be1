#include "convert/DriverControl.h"

#include <optional>

#include "convert/DriverNames.h"
#include "platform/WinTypes.h"
#include "platform/registry/RegKey.h"

DriverControl::DriverControl(platform::RegistryStore& registry) : registry_(registry) {}

bool DriverControl::WriteAutomaticOutput(int32_t mode, const std::string& folder) {
  std::optional<platform::RegKey> key =
      platform::RegKey::Open(registry_, kDriverKey, platform::KEY_WRITE);
  if (!key) {
    return false;
  }
  key->WriteInteger("AutomaticOutput", mode);
  key->WriteString("AutomaticPath", folder);
  key->Close();
  return true;
}
