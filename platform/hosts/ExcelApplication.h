#pragma once
// "Excel.Application" with the members a client uses to print workbooks, and Excel's
// parameters: DisplayAlerts (read/write), Workbooks, Quit.

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class ExcelApplication : public ServerObject {
 public:
  explicit ExcelApplication(std::shared_ptr<HostInstance> instance);

 private:
  std::shared_ptr<HostInstance> instance_;
  bool displayAlerts_ = true;
};

}  // namespace platform::hosts
