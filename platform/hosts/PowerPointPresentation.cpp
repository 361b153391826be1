#include "platform/hosts/PowerPointPresentation.h"

#include "platform/Error.h"
#include "platform/hosts/PowerPointPrintOptions.h"

namespace platform::hosts {

PowerPointPresentation::PowerPointPresentation(std::shared_ptr<HostInstance> instance,
                                               std::shared_ptr<HostDocument> presentation)
    : instance_(std::move(instance)), presentation_(std::move(presentation)) {
  Member("PrintOptions", {}, [this](const MemberArgs&) {
    return Object(std::make_shared<PowerPointPrintOptions>(presentation_));
  });
  Member("PrintOut", {"From", "To", "PrintToFile", "Copies", "Collate"},
         [this](const MemberArgs& args) {
           PrintOut(args);
           return Variant();
         });
  Member("Close", {}, [this](const MemberArgs&) {
    instance_->Close(presentation_);
    return Variant();
  });
}

void PowerPointPresentation::PrintOut(const MemberArgs& args) {
  bool printsFile = args.Has(2) && !args.Text(2).empty();
  if (args.Has(0) || args.Has(1) || printsFile || args.Int(3, 1) != 1) {
    throw Error(
        "Presentation.PrintOut : only whole presentations can be printed, once, to a "
        "printer.");
  }
  instance_->Print(*presentation_, presentation_->activePrinter);
}

}  // namespace platform::hosts
