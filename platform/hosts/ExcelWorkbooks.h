#pragma once
// Excel's Workbooks collection: Open(Filename, [UpdateLinks, ReadOnly]) and Item(Index), where
// Index is a workbook's name (its file name) or its 1-based position. Like Excel, it keeps
// one workbook of a name open at a time: opening another file of the same name from another
// folder fails.

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class ExcelWorkbooks : public ServerObject {
 public:
  explicit ExcelWorkbooks(std::shared_ptr<HostInstance> instance);

 private:
  std::shared_ptr<HostDocument> Open(const std::string& path);

  std::shared_ptr<HostInstance> instance_;
};

}  // namespace platform::hosts
