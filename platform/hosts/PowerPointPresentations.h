#pragma once
// PowerPoint's Presentations collection: Open(FileName, [ReadOnly, Untitled, WithWindow])
// gives the presentation; Item(Index) finds an open one by name or 1-based position.
// Presentations are always read-only and have no window here, whatever the switches say.

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class PowerPointPresentations : public ServerObject {
 public:
  explicit PowerPointPresentations(std::shared_ptr<HostInstance> instance);

 private:
  std::shared_ptr<HostInstance> instance_;
};

}  // namespace platform::hosts
