#include "platform/automation/AutomationRuntime.h"

#include <algorithm>
#include <utility>

#include "platform/AsciiCase.h"

namespace platform {

void AutomationRuntime::RegisterClass(const std::string& progId, const CLSID& clsid,
                                      uint32_t contexts, ClassFactory factory) {
  classes_[clsid] = {progId, contexts, std::move(factory)};
}

HRESULT AutomationRuntime::CLSIDFromProgID(const std::string& progId, CLSID& clsid) const {
  for (const auto& [id, entry] : classes_) {
    if (SameTextAscii(entry.progId, progId)) {
      clsid = id;
      return S_OK;
    }
  }
  return CO_E_CLASSSTRING;
}

HRESULT AutomationRuntime::CoCreateInstance(const CLSID& clsid, uint32_t context,
                                            std::shared_ptr<IDispatch>& object) {
  errorInfo_.clear();
  auto it = classes_.find(clsid);
  if (it == classes_.end() || (it->second.contexts & context) == 0) return REGDB_E_CLASSNOTREG;
  // The factory may register or replace classes; keep it alive while it runs.
  ClassFactory factory = it->second.factory;
  std::shared_ptr<IUnknown> created;
  if (HRESULT hr = factory(created); FAILED(hr)) return hr;
  if (!created) return CO_E_SERVER_EXEC_FAILURE;
  return QueryInterface(created, object);
}

void AutomationRuntime::SetErrorInfo(std::string description) {
  errorInfo_ = std::move(description);
}

std::string AutomationRuntime::TakeErrorInfo() {
  return std::exchange(errorInfo_, {});
}

HRESULT AutomationRuntime::GetActiveObject(const CLSID& clsid,
                                           std::shared_ptr<IUnknown>& object) const {
  auto it = std::find_if(running_.rbegin(), running_.rend(),
                         [&](const RunningEntry& entry) { return entry.clsid == clsid; });
  if (it == running_.rend()) return MK_E_UNAVAILABLE;
  object = it->object;
  return S_OK;
}

HRESULT AutomationRuntime::RegisterActiveObject(std::shared_ptr<IUnknown> object,
                                                const CLSID& clsid, uint32_t& registration) {
  if (!object) return E_INVALIDARG;
  registration = nextRegistration_++;
  running_.push_back({registration, clsid, std::move(object)});
  return S_OK;
}

HRESULT AutomationRuntime::RevokeActiveObject(uint32_t registration) {
  auto it = std::find_if(running_.begin(), running_.end(), [&](const RunningEntry& entry) {
    return entry.registration == registration;
  });
  if (it == running_.end()) return E_INVALIDARG;
  // Release the table's reference after the entry is gone, in case the object's end
  // revokes other registrations.
  std::shared_ptr<IUnknown> released = std::move(it->object);
  running_.erase(it);
  return S_OK;
}

}  // namespace platform
