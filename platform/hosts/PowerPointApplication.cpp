#include "platform/hosts/PowerPointApplication.h"

#include "platform/hosts/PowerPointPresentations.h"

namespace platform::hosts {

PowerPointApplication::PowerPointApplication(std::shared_ptr<HostInstance> instance)
    : instance_(std::move(instance)) {
  Member("Presentations", {}, [this](const MemberArgs&) {
    instance_->CheckRunning();
    return Object(std::make_shared<PowerPointPresentations>(instance_));
  });
  Member("Quit", {}, [this](const MemberArgs&) {
    instance_->Quit();
    return Variant();
  });
}

}  // namespace platform::hosts
