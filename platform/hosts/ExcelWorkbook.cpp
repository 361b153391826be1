#include "platform/hosts/ExcelWorkbook.h"

#include "platform/Error.h"

namespace platform::hosts {

ExcelWorkbook::ExcelWorkbook(std::shared_ptr<HostInstance> instance,
                             std::shared_ptr<HostDocument> workbook)
    : instance_(std::move(instance)), workbook_(std::move(workbook)) {
  Member("PrintOut", {"From", "To", "Copies", "Preview", "ActivePrinter"},
         [this](const MemberArgs& args) {
           PrintOut(args);
           return Variant();
         });
  Member("Close", {"SaveChanges", "Filename", "RouteWorkbook"}, [this](const MemberArgs&) {
    instance_->Close(workbook_);
    return Variant();
  });
}

void ExcelWorkbook::PrintOut(const MemberArgs& args) {
  if (args.Has(0) || args.Has(1) || args.Has(2) || args.Bool(3, false)) {
    throw Error(
        "PrintOut method of Workbook class failed: only whole workbooks can be printed, "
        "once and without preview.");
  }
  // Naming a printer makes it Excel's active printer, as choosing it in Excel would.
  if (args.Has(4)) instance_->SetActivePrinter(args.Text(4));
  instance_->Print(*workbook_, instance_->ActivePrinter());
}

}  // namespace platform::hosts
