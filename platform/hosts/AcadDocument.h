#pragma once
// An open AutoCAD drawing: Plot gives its plot object.

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class AcadDocument : public ServerObject {
 public:
  AcadDocument(std::shared_ptr<HostInstance> instance, std::shared_ptr<HostDocument> drawing);

 private:
  std::shared_ptr<HostInstance> instance_;
  std::shared_ptr<HostDocument> drawing_;
};

}  // namespace platform::hosts
