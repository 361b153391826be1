#include "tests/support/RecordingRuntime.h"

namespace testsupport {

platform::HRESULT RecordingRuntime::CLSIDFromProgID(const std::string& progId,
                                                    platform::CLSID& clsid) const {
  requests_.push_back("CLSIDFromProgID " + progId);
  return AutomationRuntime::CLSIDFromProgID(progId, clsid);
}

platform::HRESULT RecordingRuntime::CoCreateInstance(const platform::CLSID& clsid, uint32_t context,
                                                     std::shared_ptr<platform::IDispatch>& object) {
  requests_.push_back("CoCreateInstance " + clsid.Text + " " + std::to_string(context));
  return AutomationRuntime::CoCreateInstance(clsid, context, object);
}

platform::HRESULT RecordingRuntime::GetActiveObject(
    const platform::CLSID& clsid, std::shared_ptr<platform::IUnknown>& object) const {
  requests_.push_back("GetActiveObject " + clsid.Text);
  return AutomationRuntime::GetActiveObject(clsid, object);
}

}  // namespace testsupport
