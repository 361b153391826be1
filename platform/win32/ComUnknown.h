#pragma once
// An object of the system's COM held as the platform's IUnknown: one reference, released when
// the last holder lets go.

#include <memory>

#include "platform/automation/Dispatch.h"
#include "platform/win32/WinApi.h"

namespace platform::win32 {

class ComUnknown : public IUnknown {
 public:
  // Takes over one reference to `object`.
  explicit ComUnknown(::IUnknown* object) : object_(object) {}
  ~ComUnknown() override;
  ComUnknown(const ComUnknown&) = delete;
  ComUnknown& operator=(const ComUnknown&) = delete;

  // Takes over one reference to `object`. An object that answers to IDispatch is held as a
  // ComDispatch, so that the platform's QueryInterface finds it; any other as it is.
  static std::shared_ptr<IUnknown> Wrap(::IUnknown* object);

 private:
  ::IUnknown* object_;
};

}  // namespace platform::win32
