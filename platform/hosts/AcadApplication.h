#pragma once
// "AutoCAD.Application" with the members a client uses to plot drawings: Documents, Quit.
// Drawings stay open until Quit (or until the application is released).

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class AcadApplication : public ServerObject {
 public:
  explicit AcadApplication(std::shared_ptr<HostInstance> instance);

 private:
  std::shared_ptr<HostInstance> instance_;
};

}  // namespace platform::hosts
