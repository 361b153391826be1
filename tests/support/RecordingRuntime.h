#pragma once
// An automation runtime that notes the requests a client makes of it, in order:
// "CLSIDFromProgID Word.Application", "CoCreateInstance {...} 5", "GetActiveObject {...}".

#include <string>
#include <vector>

#include "platform/automation/AutomationRuntime.h"

namespace testsupport {

class RecordingRuntime : public platform::AutomationRuntime {
 public:
  platform::HRESULT CLSIDFromProgID(const std::string& progId,
                                    platform::CLSID& clsid) const override;
  platform::HRESULT CoCreateInstance(const platform::CLSID& clsid, uint32_t context,
                                     std::shared_ptr<platform::IDispatch>& object) override;
  platform::HRESULT GetActiveObject(const platform::CLSID& clsid,
                                    std::shared_ptr<platform::IUnknown>& object) const override;

  const std::vector<std::string>& Requests() const { return requests_; }

 private:
  mutable std::vector<std::string> requests_;
};

}  // namespace testsupport
