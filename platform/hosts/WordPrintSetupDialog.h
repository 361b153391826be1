#pragma once
// Word's print-setup dialog, run without showing it: Printer and DoNotSetAsSysDefault
// (read/write) are its fields, and Execute applies them. Execute makes the printer Word's
// active printer and, unless DoNotSetAsSysDefault is set, the system's default printer too.
// Whether the printer is installed is found out when Word prints to it.

#include <memory>
#include <string>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class WordPrintSetupDialog : public ServerObject {
 public:
  explicit WordPrintSetupDialog(std::shared_ptr<HostInstance> instance);

 private:
  void Execute();

  std::shared_ptr<HostInstance> instance_;
  std::string printer_;
  int32_t doNotSetAsSysDefault_ = 0;
};

}  // namespace platform::hosts
