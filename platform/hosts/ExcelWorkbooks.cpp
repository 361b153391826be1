#include "platform/hosts/ExcelWorkbooks.h"

#include "platform/AsciiCase.h"
#include "platform/Error.h"
#include "platform/hosts/ExcelWorkbook.h"

namespace platform::hosts {

ExcelWorkbooks::ExcelWorkbooks(std::shared_ptr<HostInstance> instance)
    : instance_(std::move(instance)) {
  // Workbooks are always opened read-only and without updating links: printing needs neither.
  Member("Open", {"Filename", "UpdateLinks", "ReadOnly"}, [this](const MemberArgs& args) {
    return Object(std::make_shared<ExcelWorkbook>(instance_, Open(args.Text(0))));
  });
  Member("Item", {"Index"}, [this](const MemberArgs& args) {
    instance_->CheckRunning();
    auto workbook = instance_->Find(args.At(0));
    if (!workbook) throw Error("Subscript out of range");
    return Object(std::make_shared<ExcelWorkbook>(instance_, workbook));
  });
}

std::shared_ptr<HostDocument> ExcelWorkbooks::Open(const std::string& path) {
  instance_->CheckRunning();
  std::string name = path.substr(path.find_last_of("\\/:") + 1);
  for (const auto& open : instance_->Documents()) {
    if (SameTextAscii(open->name, name) && !SameTextAscii(open->fullName, path)) {
      throw Error("A document with the name '" + open->name +
                  "' is already open. You cannot open two documents with the same name, even "
                  "if the documents are in different folders.");
    }
  }
  return instance_->Open(path);
}

}  // namespace platform::hosts
