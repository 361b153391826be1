#include "platform/hosts/PowerPointPrintOptions.h"

#include "platform/Error.h"

namespace platform::hosts {

PowerPointPrintOptions::PowerPointPrintOptions(std::shared_ptr<HostDocument> presentation)
    : presentation_(std::move(presentation)) {
  Member(
      "PrintInBackground", {},
      [this](const MemberArgs&) { return Variant::FromInt(presentation_->printInBackground); },
      [this](const Variant& value) {
        presentation_->printInBackground = MemberArgs::IntOf(value);
      });
  Member(
      "PrintColorType", {},
      [this](const MemberArgs&) { return Variant::FromInt(presentation_->printColorType); },
      [this](const Variant& value) {
        int32_t type = MemberArgs::IntOf(value);
        if (type < 1 || type > 3) {
          throw Error("PrintOptions.PrintColorType : The specified value is out of range.");
        }
        presentation_->printColorType = type;
      });
  Member(
      "ActivePrinter", {},
      [this](const MemberArgs&) { return Variant::FromText(presentation_->activePrinter); },
      [this](const Variant& value) { presentation_->activePrinter = MemberArgs::TextOf(value); });
}

}  // namespace platform::hosts
