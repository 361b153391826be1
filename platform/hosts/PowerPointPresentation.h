#pragma once
// An open presentation: PrintOptions, PrintOut([From, To, PrintToFile, Copies, Collate])
// prints every slide to the printer of its print options, and Close. Parts of a
// presentation, several copies or printing to a file cannot be printed here and are refused.

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class PowerPointPresentation : public ServerObject {
 public:
  PowerPointPresentation(std::shared_ptr<HostInstance> instance,
                         std::shared_ptr<HostDocument> presentation);

 private:
  void PrintOut(const MemberArgs& args);

  std::shared_ptr<HostInstance> instance_;
  std::shared_ptr<HostDocument> presentation_;
};

}  // namespace platform::hosts
