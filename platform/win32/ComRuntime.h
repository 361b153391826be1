#pragma once
// The automation runtime over the system's COM: class lookup by ProgID, new instances of
// in-process and local servers, and the running-object table, each answered by the real
// call. COM is entered, apartment-threaded, on the thread that makes the runtime (the
// user-interface thread, which makes every automation call) and left when the runtime ends;
// objects still held then must not be used any more.

#include "platform/automation/AutomationRuntime.h"

namespace platform::win32 {

class ComRuntime : public AutomationRuntime {
 public:
  ComRuntime();
  ~ComRuntime() override;

  HRESULT CLSIDFromProgID(const std::string& progId, CLSID& clsid) const override;
  // A server's error information about its failure to start is kept for TakeErrorInfo.
  HRESULT CoCreateInstance(const CLSID& clsid, uint32_t context,
                           std::shared_ptr<IDispatch>& object) override;
  HRESULT GetActiveObject(const CLSID& clsid, std::shared_ptr<IUnknown>& object) const override;

 private:
  bool entered_ = false;  // whether this runtime's CoInitializeEx is to be balanced
};

}  // namespace platform::win32
