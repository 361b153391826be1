#pragma once
// "Word.Application" with the members a client uses to print documents, and Word's
// parameters: DisplayAlerts (read/write), Documents, Dialogs, Quit([SaveChanges,
// OriginalFormat, RouteDocument]).

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class WordApplication : public ServerObject {
 public:
  explicit WordApplication(std::shared_ptr<HostInstance> instance);

 private:
  std::shared_ptr<HostInstance> instance_;
  int32_t displayAlerts_ = -1;  // wdAlertsAll
};

}  // namespace platform::hosts
