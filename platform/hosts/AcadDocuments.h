#pragma once
// AutoCAD's Documents collection: Open(Name, [ReadOnly, Password]) gives the drawing;
// Item(Index) finds an open one by name or 1-based position. Drawings in DXF are read; DWG
// drawings are refused with a message that says so, as no DWG reader exists on this system.

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class AcadDocuments : public ServerObject {
 public:
  explicit AcadDocuments(std::shared_ptr<HostInstance> instance);

 private:
  std::shared_ptr<HostInstance> instance_;
};

}  // namespace platform::hosts
