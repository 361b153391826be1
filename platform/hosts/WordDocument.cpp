#include "platform/hosts/WordDocument.h"

namespace platform::hosts {

WordDocument::WordDocument(std::shared_ptr<HostInstance> instance,
                           std::shared_ptr<HostDocument> document)
    : instance_(std::move(instance)), document_(std::move(document)) {
  // Printing always finishes before PrintOut returns, whether or not in the background.
  Member("PrintOut", {"Background"}, [this](const MemberArgs&) {
    instance_->Print(*document_, instance_->ActivePrinter());
    return Variant();
  });
  Member(
      "Saved", {}, [this](const MemberArgs&) { return Variant::FromBool(document_->saved); },
      [this](const Variant& value) { document_->saved = MemberArgs::BoolOf(value); });
  Member("Close", {"SaveChanges", "OriginalFormat", "RouteDocument"}, [this](const MemberArgs&) {
    instance_->Close(document_);
    return Variant();
  });
}

}  // namespace platform::hosts
