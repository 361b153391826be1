#include "platform/hosts/WordDocuments.h"

#include "platform/Error.h"
#include "platform/hosts/WordDocument.h"

namespace platform::hosts {

WordDocuments::WordDocuments(std::shared_ptr<HostInstance> instance)
    : instance_(std::move(instance)) {
  // Documents are always opened read-only: printing never changes them.
  Member("Open", {"FileName", "ConfirmConversions", "ReadOnly"}, [this](const MemberArgs& args) {
    return Object(std::make_shared<WordDocument>(instance_, instance_->Open(args.Text(0))));
  });
  Member("Item", {"Index"}, [this](const MemberArgs& args) {
    instance_->CheckRunning();
    auto document = instance_->Find(args.At(0));
    if (!document) throw Error("The requested member of the collection does not exist.");
    return Object(std::make_shared<WordDocument>(instance_, document));
  });
}

}  // namespace platform::hosts
