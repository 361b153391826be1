#pragma once
// "PowerPoint.Application" with the members a client uses to print presentations:
// Presentations, Quit.

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class PowerPointApplication : public ServerObject {
 public:
  explicit PowerPointApplication(std::shared_ptr<HostInstance> instance);

 private:
  std::shared_ptr<HostInstance> instance_;
};

}  // namespace platform::hosts
