#include "platform/hosts/WordPrintSetupDialog.h"

namespace platform::hosts {

WordPrintSetupDialog::WordPrintSetupDialog(std::shared_ptr<HostInstance> instance)
    : instance_(std::move(instance)) {
  std::string active = instance_->ActivePrinter();
  printer_ = active.empty() ? instance_->DefaultPrinter() : active;
  Member(
      "Printer", {}, [this](const MemberArgs&) { return Variant::FromText(printer_); },
      [this](const Variant& value) { printer_ = MemberArgs::TextOf(value); });
  Member(
      "DoNotSetAsSysDefault", {},
      [this](const MemberArgs&) { return Variant::FromInt(doNotSetAsSysDefault_); },
      [this](const Variant& value) { doNotSetAsSysDefault_ = MemberArgs::IntOf(value); });
  Member("Execute", {}, [this](const MemberArgs&) {
    Execute();
    return Variant();
  });
}

void WordPrintSetupDialog::Execute() {
  instance_->CheckRunning();
  instance_->SetActivePrinter(printer_);
  if (doNotSetAsSysDefault_ == 0 && !printer_.empty()) {
    instance_->PrinterList().SetDefaultPrinter(printer_);
  }
}

}  // namespace platform::hosts
