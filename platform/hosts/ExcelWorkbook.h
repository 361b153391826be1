#pragma once
// An open Excel workbook: PrintOut([From, To, Copies, Preview, ActivePrinter]) prints every
// sheet to ActivePrinter, which becomes Excel's active printer (by default the default
// printer); Close([SaveChanges, Filename,
// RouteWorkbook]). A page range, several copies or a preview cannot be printed here, and
// asking for them is an error rather than a print of something else.

#include <memory>

#include "platform/hosts/HostInstance.h"
#include "platform/hosts/ServerObject.h"

namespace platform::hosts {

class ExcelWorkbook : public ServerObject {
 public:
  ExcelWorkbook(std::shared_ptr<HostInstance> instance, std::shared_ptr<HostDocument> workbook);

 private:
  void PrintOut(const MemberArgs& args);

  std::shared_ptr<HostInstance> instance_;
  std::shared_ptr<HostDocument> workbook_;
};

}  // namespace platform::hosts
