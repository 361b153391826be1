#include "platform/automation/DispatchObject.h"

#include "platform/AsciiCase.h"
#include "platform/automation/OleError.h"

namespace platform {

HRESULT DispatchObject::GetIDsOfNames(const std::vector<std::string>& names,
                                      std::vector<DISPID>& ids) {
  ids.assign(names.size(), DISPID_UNKNOWN);
  if (names.empty()) return E_INVALIDARG;
  bool known = HasMember(names[0]);
  if (known) ids[0] = IdOf(names[0]);
  // Argument names are the member's business: any name is accepted and passed on.
  for (size_t i = 1; i < names.size(); ++i) ids[i] = IdOf(names[i]);
  return known ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT DispatchObject::Invoke(DISPID member, uint16_t flags, const DispParams& params,
                               Variant* result, ExcepInfo* excepInfo) {
  Call call;
  if (HRESULT hr = Translate(member, flags, params, call); FAILED(hr)) return hr;
  ExcepInfo raised;
  try {
    Variant value = OnInvoke(call);
    if (result) *result = std::move(value);
    return S_OK;
  } catch (const EOleException& e) {
    raised = {e.Source(), e.Message(), e.ErrorCode()};
  } catch (const EOleSysError& e) {
    return e.ErrorCode();
  } catch (const Error& e) {
    raised = {"", e.Message(), DISP_E_EXCEPTION};
  }
  if (excepInfo) *excepInfo = raised;
  return DISP_E_EXCEPTION;
}

DISPID DispatchObject::IdOf(const std::string& name) {
  auto [it, added] = idsByKey_.emplace(AsciiUpper(name), static_cast<DISPID>(names_.size() + 1));
  if (added) names_.push_back(name);
  return it->second;
}

HRESULT DispatchObject::Translate(DISPID member, uint16_t flags, const DispParams& params,
                                  Call& call) const {
  auto nameOf = [this](DISPID id) -> const std::string* {
    return id >= 1 && static_cast<size_t>(id) <= names_.size()
               ? &names_[static_cast<size_t>(id - 1)]
               : nullptr;
  };
  const std::string* name = nameOf(member);
  if (!name || !HasMember(*name)) return DISP_E_MEMBERNOTFOUND;
  call = {flags, *name, params.Args, {}};
  const Variant* putValue = nullptr;
  for (const auto& [id, value] : params.Named) {
    if (id == DISPID_PROPERTYPUT && flags == DISPATCH_PROPERTYPUT) {
      putValue = &value;
    } else if (const std::string* argName = nameOf(id)) {
      call.Named.push_back({*argName, value});
    } else {
      return DISP_E_PARAMNOTFOUND;
    }
  }
  if (flags == DISPATCH_PROPERTYPUT) {
    if (!putValue) return DISP_E_PARAMNOTFOUND;
    call.Args.push_back(*putValue);
  }
  return S_OK;
}

}  // namespace platform
