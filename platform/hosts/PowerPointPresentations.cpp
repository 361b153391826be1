#include "platform/hosts/PowerPointPresentations.h"

#include "platform/Error.h"
#include "platform/hosts/PowerPointPresentation.h"

namespace platform::hosts {

PowerPointPresentations::PowerPointPresentations(std::shared_ptr<HostInstance> instance)
    : instance_(std::move(instance)) {
  Member("Open", {"FileName", "ReadOnly", "Untitled", "WithWindow"},
         [this](const MemberArgs& args) {
           return Object(
               std::make_shared<PowerPointPresentation>(instance_, instance_->Open(args.Text(0))));
         });
  Member("Item", {"Index"}, [this](const MemberArgs& args) {
    instance_->CheckRunning();
    auto presentation = instance_->Find(args.At(0));
    if (!presentation) throw Error("Presentations.Item : Integer out of range.");
    return Object(std::make_shared<PowerPointPresentation>(instance_, presentation));
  });
}

}  // namespace platform::hosts
