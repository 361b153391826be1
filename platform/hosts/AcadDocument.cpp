#include "platform/hosts/AcadDocument.h"

#include "platform/hosts/AcadPlot.h"

namespace platform::hosts {

AcadDocument::AcadDocument(std::shared_ptr<HostInstance> instance,
                           std::shared_ptr<HostDocument> drawing)
    : instance_(std::move(instance)), drawing_(std::move(drawing)) {
  Member("Plot", {}, [this](const MemberArgs&) {
    return Object(std::make_shared<AcadPlot>(instance_, drawing_));
  });
}

}  // namespace platform::hosts
