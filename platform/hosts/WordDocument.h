#pragma once
// An open Word document: PrintOut([Background]), Saved (read/write), Close([SaveChanges,
// OriginalFormat, RouteDocument]). Documents are opened read-only and never saved.

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class WordDocument : public ServerObject {
 public:
  WordDocument(std::shared_ptr<HostInstance> instance, std::shared_ptr<HostDocument> document);

 private:
  std::shared_ptr<HostInstance> instance_;
  std::shared_ptr<HostDocument> document_;
};

}  // namespace platform::hosts
