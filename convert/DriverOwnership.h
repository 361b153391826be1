#pragma once
// The right to steer the PDF printer driver of the profile. The driver takes its output folder
// from one registry key per profile, so two runs at once (two windows, two batch tools, or one
// of each) would send each other's PDF files into the wrong folder: a run owns the driver from
// its first pass to its end, and a second one is refused while it does.

#include <memory>
#include <string>

#include "platform/registry/RegistryStore.h"
#include "platform/system/NamedLock.h"

class DriverOwnership {
 public:
  explicit DriverOwnership(platform::Locks& locks);

  // True when this run owns the driver now; false when another one does.
  bool Take() { return lock_->TryAcquire(); }
  void Give() { lock_->Release(); }
  // Why Take failed, naming the run that owns the driver.
  std::string Refusal() const;

  // Automatic output off, as at a run's end, for a process that ends at once, perhaps in the
  // middle of its own run: unless another process owns the driver. Whether anything was
  // written.
  static bool ResetAtExit(platform::RegistryStore& registry, platform::Locks& locks);

 private:
  std::unique_ptr<platform::NamedLock> lock_;
};
