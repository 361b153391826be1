#include "convert/OleCall.h"

using platform::DispatchInvoke;

OleCall OleCall::Read(const std::string& name) const {
  return OleCall(
      DispatchInvoke(object_, platform::DISPATCH_METHOD | platform::DISPATCH_PROPERTYGET, name));
}

OleCall OleCall::Get(const std::string& name, const std::vector<platform::Variant>& args) const {
  return OleCall(DispatchInvoke(object_, platform::DISPATCH_PROPERTYGET, name, args));
}

OleCall OleCall::Method(const std::string& name, const std::vector<platform::Variant>& args,
                        const std::vector<platform::NamedArg>& named) const {
  return OleCall(DispatchInvoke(object_, platform::DISPATCH_METHOD, name, args, named));
}

void OleCall::Put(const std::string& name, const platform::Variant& value) const {
  DispatchInvoke(object_, platform::DISPATCH_PROPERTYPUT, name, {value});
}
