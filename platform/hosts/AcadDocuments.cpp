#include "platform/hosts/AcadDocuments.h"

#include "platform/Error.h"
#include "platform/hosts/AcadDocument.h"

namespace platform::hosts {

AcadDocuments::AcadDocuments(std::shared_ptr<HostInstance> instance)
    : instance_(std::move(instance)) {
  Member("Open", {"Name", "ReadOnly", "Password"}, [this](const MemberArgs& args) {
    return Object(std::make_shared<AcadDocument>(instance_, instance_->Open(args.Text(0))));
  });
  Member("Item", {"Index"}, [this](const MemberArgs& args) {
    instance_->CheckRunning();
    auto drawing = instance_->Find(args.At(0));
    if (!drawing) throw Error("Key not found");
    return Object(std::make_shared<AcadDocument>(instance_, drawing));
  });
}

}  // namespace platform::hosts
