#include "platform/automation/DispatchInvoke.h"

#include "platform/automation/Dispatch.h"
#include "platform/automation/OleError.h"

namespace platform {
namespace {

IDispatch& ObjectOf(const Variant& object) {
  if (object.BaseType() != VT_DISPATCH || !object.Dispatch()) {
    throw EOleError("Variant does not reference an automation object");
  }
  return *object.Dispatch();
}

std::vector<DISPID> LookUp(IDispatch& object, const std::string& name,
                           const std::vector<NamedArg>& named) {
  std::vector<std::string> names{name};
  for (const NamedArg& arg : named) names.push_back(arg.Name);
  std::vector<DISPID> ids;
  OleCheck(object.GetIDsOfNames(names, ids));
  if (ids.size() != names.size()) throw EOleSysError(E_UNEXPECTED);
  return ids;
}

DispParams ParamsFor(uint16_t kind, const std::vector<Variant>& args,
                     const std::vector<NamedArg>& named, const std::vector<DISPID>& ids) {
  DispParams params{args, {}};
  if (kind == DISPATCH_PROPERTYPUT) {
    if (params.Args.empty()) throw EOleSysError(DISP_E_BADPARAMCOUNT);
    params.Named.emplace_back(DISPID_PROPERTYPUT, params.Args.back());
    params.Args.pop_back();
  }
  for (size_t i = 0; i < named.size(); ++i) params.Named.emplace_back(ids[i + 1], named[i].Value);
  return params;
}

[[noreturn]] void RaiseException(const ExcepInfo& info) {
  throw EOleException(info.Description, info.Scode != 0 ? info.Scode : DISP_E_EXCEPTION,
                      info.Source);
}

}  // namespace

Variant DispatchInvoke(const Variant& object, uint16_t kind, const std::string& name,
                       const std::vector<Variant>& args, const std::vector<NamedArg>& named) {
  IDispatch& target = ObjectOf(object);
  std::vector<DISPID> ids = LookUp(target, name, named);
  DispParams params = ParamsFor(kind, args, named, ids);
  Variant result;
  ExcepInfo info;
  HRESULT hr =
      target.Invoke(ids[0], kind, params, kind == DISPATCH_PROPERTYPUT ? nullptr : &result, &info);
  if (hr == DISP_E_EXCEPTION) RaiseException(info);
  OleCheck(hr);
  return result;
}

}  // namespace platform
