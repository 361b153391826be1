#pragma once
// Word's Documents collection: Open(FileName, [ConfirmConversions, ReadOnly]) and
// Item(Index), where Index is a document's full path, its file name or its 1-based position.

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class WordDocuments : public ServerObject {
 public:
  explicit WordDocuments(std::shared_ptr<HostInstance> instance);

 private:
  std::shared_ptr<HostInstance> instance_;
};

}  // namespace platform::hosts
