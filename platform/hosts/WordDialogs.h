#pragma once
// Word's Dialogs collection. Of Word's built-in dialogs only the print-setup dialog
// (wdDialogFilePrintSetup, 97) exists here: Item(97) gives it.

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class WordDialogs : public ServerObject {
 public:
  explicit WordDialogs(std::shared_ptr<HostInstance> instance);

 private:
  std::shared_ptr<HostInstance> instance_;
};

}  // namespace platform::hosts
