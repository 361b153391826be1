#include "convert/DriverOwnership.h"

#include "convert/DriverControl.h"
#include "convert/DriverNames.h"

DriverOwnership::DriverOwnership(platform::Locks& locks) : lock_(locks.Open(kDriverLockName)) {}

std::string DriverOwnership::Refusal() const {
  if (!lock_->Problem().empty()) {
    return "The PDF printer cannot be reserved for this run.\r\n" + lock_->Problem();
  }
  const std::string holder = lock_->Holder();
  return std::string("The PDF printer \"") + kDriverPrinterName +
         "\" is in use by another conversion run: " +
         (holder.empty() ? std::string("it has just ended") : holder) +
         ".\r\nConvert again when that run has finished.";
}

bool DriverOwnership::ResetAtExit(platform::RegistryStore& registry, platform::Locks& locks) {
  DriverOwnership ownership(locks);
  if (!ownership.Take() && !ownership.lock_->HeldByThisProcess()) return false;
  return DriverControl(registry).ResetAutomaticOutput();
}
