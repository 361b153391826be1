#include "platform/automation/Dispatch.h"

namespace platform {

HRESULT QueryInterface(const std::shared_ptr<IUnknown>& object,
                       std::shared_ptr<IDispatch>& dispatch) {
  if (!object) return E_POINTER;
  dispatch = std::dynamic_pointer_cast<IDispatch>(object);
  return dispatch ? S_OK : E_NOINTERFACE;
}

}  // namespace platform
