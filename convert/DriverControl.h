#pragma once
// The program's writes to the PDF printer driver's per-user key: automatic output on for a
// conversion pass, off at the end of a run and when the main window closes. The key is opened
// for writing without being created: when the driver is not installed, nothing is written
// and nothing is reported.

#include <cstdint>
#include <string>

#include "platform/registry/RegistryStore.h"

class DriverControl {
 public:
  explicit DriverControl(platform::RegistryStore& registry);

  // `AutomaticOutput` := mode (REG_DWORD), then `AutomaticPath` := folder (REG_SZ). Returns
  // whether the key existed.
  bool WriteAutomaticOutput(int32_t mode, const std::string& folder);
  // Automatic output off: 0 and empty text.
  bool ResetAutomaticOutput() { return WriteAutomaticOutput(0, ""); }

 private:
  platform::RegistryStore& registry_;
};
