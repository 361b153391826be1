#include "platform/hosts/ExcelApplication.h"

#include "platform/hosts/ExcelWorkbooks.h"

namespace platform::hosts {

ExcelApplication::ExcelApplication(std::shared_ptr<HostInstance> instance)
    : instance_(std::move(instance)) {
  Member(
      "DisplayAlerts", {}, [this](const MemberArgs&) { return Variant::FromBool(displayAlerts_); },
      [this](const Variant& value) { displayAlerts_ = MemberArgs::BoolOf(value); });
  Member("Workbooks", {}, [this](const MemberArgs&) {
    instance_->CheckRunning();
    return Object(std::make_shared<ExcelWorkbooks>(instance_));
  });
  Member("Quit", {}, [this](const MemberArgs&) {
    instance_->Quit();
    return Variant();
  });
}

}  // namespace platform::hosts
