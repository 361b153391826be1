#pragma once
// The platform's arguments of one call as COM's DISPPARAMS, alive for the call: named
// arguments first, in the order of their ids, then the positional ones from the last to the
// first, as COM wants them. A value passed by reference points into storage kept here; what
// the server leaves there is freed afterwards.

#include <vector>

#include "platform/automation/Dispatch.h"
#include "platform/win32/WinApi.h"

namespace platform::win32 {

class ComArguments {
 public:
  explicit ComArguments(const DispParams& params);
  ~ComArguments();
  ComArguments(const ComArguments&) = delete;
  ComArguments& operator=(const ComArguments&) = delete;

  // DISP_E_TYPEMISMATCH when an argument holds an object that is not COM's.
  HRESULT Status() const { return status_; }
  ::DISPPARAMS* Params() { return &params_; }

 private:
  void Put(size_t slot, const Variant& value);
  void Set(::VARIANT& target, const Variant& value);

  std::vector<::VARIANT> values_;
  std::vector<::VARIANT> referents_;  // the storage of slot i's value passed by reference
  std::vector<::DISPID> namedIds_;
  ::DISPPARAMS params_{};
  HRESULT status_ = S_OK;
};

}  // namespace platform::win32
