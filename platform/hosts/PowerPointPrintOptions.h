#pragma once
// A presentation's print options (read/write): PrintInBackground (an MsoTriState; printing
// always finishes before PrintOut returns here), PrintColorType (ppPrintColor 1,
// ppPrintBlackAndWhite 2, ppPrintPureBlackAndWhite 3; pages are printed as the slides show
// them) and ActivePrinter (the printer the presentation prints to; whether it is installed
// is found out when printing).

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class PowerPointPrintOptions : public ServerObject {
 public:
  explicit PowerPointPrintOptions(std::shared_ptr<HostDocument> presentation);

 private:
  std::shared_ptr<HostDocument> presentation_;
};

}  // namespace platform::hosts
