#pragma once
// A drawing's plot object: PlotToDevice([PlotConfig]) plots the drawing, fitted to the page,
// to the printer named by PlotConfig (by default the default printer) and answers True.

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class AcadPlot : public ServerObject {
 public:
  AcadPlot(std::shared_ptr<HostInstance> instance, std::shared_ptr<HostDocument> drawing);

 private:
  std::shared_ptr<HostInstance> instance_;
  std::shared_ptr<HostDocument> drawing_;
};

}  // namespace platform::hosts
