#include "platform/hosts/WordDialogs.h"

#include "platform/Error.h"
#include "platform/hosts/WordPrintSetupDialog.h"

namespace platform::hosts {
namespace {

constexpr int32_t kPrintSetupDialog = 97;  // wdDialogFilePrintSetup

}  // namespace

WordDialogs::WordDialogs(std::shared_ptr<HostInstance> instance) : instance_(std::move(instance)) {
  Member("Item", {"Index"}, [this](const MemberArgs& args) {
    if (args.Int(0, 0) != kPrintSetupDialog) {
      throw Error("The requested member of the collection does not exist.");
    }
    return Object(std::make_shared<WordPrintSetupDialog>(instance_));
  });
}

}  // namespace platform::hosts
