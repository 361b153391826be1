#include "platform/hosts/AcadPlot.h"

namespace platform::hosts {

AcadPlot::AcadPlot(std::shared_ptr<HostInstance> instance, std::shared_ptr<HostDocument> drawing)
    : instance_(std::move(instance)), drawing_(std::move(drawing)) {
  Member("PlotToDevice", {"PlotConfig"}, [this](const MemberArgs& args) {
    instance_->Opened(*drawing_).FitToPage();
    instance_->Print(*drawing_, args.Has(0) ? args.Text(0) : std::string());
    return Variant::FromBool(true);
  });
}

}  // namespace platform::hosts
