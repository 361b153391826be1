#pragma once
// A late-bound object of the system's COM as the platform's IDispatch. Names go to COM as
// UTF-16 in the user's locale; the arguments go in COM's order (named ones first, positional
// ones last to first) and results and exceptions come back as the platform's.

#include "platform/automation/Dispatch.h"
#include "platform/win32/WinApi.h"

namespace platform::win32 {

class ComDispatch : public IDispatch {
 public:
  // Takes over one reference to `object`, released when the last holder lets go.
  explicit ComDispatch(::IDispatch* object) : object_(object) {}
  ~ComDispatch() override;
  ComDispatch(const ComDispatch&) = delete;
  ComDispatch& operator=(const ComDispatch&) = delete;

  // The object itself, without a reference of its own: to pass it back to COM.
  ::IDispatch* Object() const { return object_; }

  HRESULT GetIDsOfNames(const std::vector<std::string>& names, std::vector<DISPID>& ids) override;
  // DISP_E_TYPEMISMATCH, before calling, for an argument that COM cannot carry (an object of
  // the platform's own), and after it for a result that the platform's variant cannot hold.
  HRESULT Invoke(DISPID member, uint16_t flags, const DispParams& params, Variant* result,
                 ExcepInfo* excepInfo) override;

 private:
  ::IDispatch* object_;
};

}  // namespace platform::win32
