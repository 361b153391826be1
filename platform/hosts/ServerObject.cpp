#include "platform/hosts/ServerObject.h"

#include "platform/AsciiCase.h"
#include "platform/automation/OleError.h"

namespace platform::hosts {

void ServerObject::Member(const std::string& name, std::vector<std::string> parameters, Reader read,
                          Writer write) {
  members_[AsciiUpper(name)] = {std::move(parameters), std::move(read), std::move(write)};
}

bool ServerObject::HasMember(const std::string& name) const {
  return members_.contains(AsciiUpper(name));
}

Variant ServerObject::OnInvoke(const Call& call) {
  const Entry& entry = members_.at(AsciiUpper(call.Name));
  if (call.Kind == DISPATCH_PROPERTYPUT) {
    if (!entry.write) throw EOleSysError(DISP_E_MEMBERNOTFOUND);
    if (call.Args.size() != 1 || !call.Named.empty()) throw EOleSysError(DISP_E_BADPARAMCOUNT);
    entry.write(call.Args.back());
    return Variant();
  }
  if ((call.Kind & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) == 0) {
    throw EOleSysError(DISP_E_MEMBERNOTFOUND);
  }
  return entry.read(MemberArgs(call.Args, call.Named, entry.parameters));
}

}  // namespace platform::hosts
