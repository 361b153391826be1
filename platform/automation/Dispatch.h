#pragma once
// The two interfaces of a late-bound automation object. An object is held through
// std::shared_ptr: every holder is one reference, and the server object ends (its
// destructor runs) when the last holder lets go. Asking an object for IDispatch is
// QueryInterface below.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/automation/AutomationTypes.h"
#include "platform/automation/Variant.h"

namespace platform {

class IUnknown {
 public:
  virtual ~IUnknown() = default;
};

// The arguments of one Invoke: positional arguments in call order, and named arguments by
// member-id. A property write passes its value as the named argument DISPID_PROPERTYPUT.
struct DispParams {
  std::vector<Variant> Args;
  std::vector<std::pair<DISPID, Variant>> Named;
};

// What a server tells about an exception raised inside a call (Invoke then returns
// DISP_E_EXCEPTION).
struct ExcepInfo {
  std::string Source;
  std::string Description;
  HRESULT Scode = 0;
};

class IDispatch : public IUnknown {
 public:
  // names[0] is the member, the rest are the names of its named arguments. Each unknown
  // name gets DISPID_UNKNOWN and the result is DISP_E_UNKNOWNNAME.
  virtual HRESULT GetIDsOfNames(const std::vector<std::string>& names,
                                std::vector<DISPID>& ids) = 0;
  // `flags` is one of the DISPATCH_* kinds or METHOD | PROPERTYGET. `result` may be null
  // when the caller drops the result.
  virtual HRESULT Invoke(DISPID member, uint16_t flags, const DispParams& params, Variant* result,
                         ExcepInfo* excepInfo) = 0;
};

// S_OK with the object's IDispatch, or E_NOINTERFACE (E_POINTER for no object).
HRESULT QueryInterface(const std::shared_ptr<IUnknown>& object,
                       std::shared_ptr<IDispatch>& dispatch);

}  // namespace platform
