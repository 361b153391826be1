#include "platform/win32/ComUnknown.h"

#include "platform/win32/ComDispatch.h"

namespace platform::win32 {

ComUnknown::~ComUnknown() {
  object_->Release();
}

std::shared_ptr<IUnknown> ComUnknown::Wrap(::IUnknown* object) {
  ::IDispatch* dispatch = nullptr;
  if (FAILED(static_cast<HRESULT>(
          object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))) {
    return std::make_shared<ComUnknown>(object);
  }
  object->Release();
  return std::make_shared<ComDispatch>(dispatch);
}

}  // namespace platform::win32
