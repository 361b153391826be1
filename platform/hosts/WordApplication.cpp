#include "platform/hosts/WordApplication.h"

#include "platform/hosts/WordDialogs.h"
#include "platform/hosts/WordDocuments.h"

namespace platform::hosts {

WordApplication::WordApplication(std::shared_ptr<HostInstance> instance)
    : instance_(std::move(instance)) {
  Member(
      "DisplayAlerts", {}, [this](const MemberArgs&) { return Variant::FromInt(displayAlerts_); },
      [this](const Variant& value) { displayAlerts_ = MemberArgs::IntOf(value); });
  Member("Documents", {}, [this](const MemberArgs&) {
    instance_->CheckRunning();
    return Object(std::make_shared<WordDocuments>(instance_));
  });
  Member("Dialogs", {}, [this](const MemberArgs&) {
    instance_->CheckRunning();
    return Object(std::make_shared<WordDialogs>(instance_));
  });
  Member("Quit", {"SaveChanges", "OriginalFormat", "RouteDocument"}, [this](const MemberArgs&) {
    instance_->Quit();
    return Variant();
  });
}

}  // namespace platform::hosts
