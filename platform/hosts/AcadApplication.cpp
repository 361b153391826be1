#include "platform/hosts/AcadApplication.h"

#include "platform/hosts/AcadDocuments.h"

namespace platform::hosts {

AcadApplication::AcadApplication(std::shared_ptr<HostInstance> instance)
    : instance_(std::move(instance)) {
  Member("Documents", {}, [this](const MemberArgs&) {
    instance_->CheckRunning();
    return Object(std::make_shared<AcadDocuments>(instance_));
  });
  Member("Quit", {}, [this](const MemberArgs&) {
    instance_->Quit();
    return Variant();
  });
}

}  // namespace platform::hosts
