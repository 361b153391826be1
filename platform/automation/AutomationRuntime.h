#pragma once
// The automation services of one platform: servers register their classes (ProgID, class
// id, the contexts they serve, a factory); clients look a ProgID up, create instances and
// find running ones in the running-object table. Requests answer with result codes, as the
// platform's own calls do; OleCheck turns a failed one into an error.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/automation/Dispatch.h"

namespace platform {

// Makes one new server object, or answers why it cannot (for example a server that fails to
// start: CO_E_SERVER_EXEC_FAILURE).
using ClassFactory = std::function<HRESULT(std::shared_ptr<IUnknown>& object)>;

class AutomationRuntime {
 public:
  AutomationRuntime() = default;
  virtual ~AutomationRuntime() = default;
  AutomationRuntime(const AutomationRuntime&) = delete;
  AutomationRuntime& operator=(const AutomationRuntime&) = delete;

  // Registers (or replaces) a class. `contexts` is CLSCTX_INPROC_SERVER and/or
  // CLSCTX_LOCAL_SERVER: the ways the server can be reached.
  void RegisterClass(const std::string& progId, const CLSID& clsid, uint32_t contexts,
                     ClassFactory factory);

  // CO_E_CLASSSTRING for a ProgID that no class carries (letter case is ignored).
  virtual HRESULT CLSIDFromProgID(const std::string& progId, CLSID& clsid) const;
  // A new instance, asked for IDispatch. REGDB_E_CLASSNOTREG when the class is unknown or
  // not served in any of the requested contexts.
  virtual HRESULT CoCreateInstance(const CLSID& clsid, uint32_t context,
                                   std::shared_ptr<IDispatch>& object);
  // The object most recently registered as running for the class; MK_E_UNAVAILABLE if none.
  virtual HRESULT GetActiveObject(const CLSID& clsid, std::shared_ptr<IUnknown>& object) const;

  // What a server said about its failure to start, as Windows keeps a thread's error
  // information: a factory sets it before it fails; CoCreateInstance clears it first, and
  // its caller takes it (empty when the server said nothing).
  void SetErrorInfo(std::string description);
  std::string TakeErrorInfo();

  // The running-object table keeps a reference to each registered object until revoked.
  HRESULT RegisterActiveObject(std::shared_ptr<IUnknown> object, const CLSID& clsid,
                               uint32_t& registration);
  HRESULT RevokeActiveObject(uint32_t registration);

 private:
  struct ClassEntry {
    std::string progId;
    uint32_t contexts = 0;
    ClassFactory factory;
  };
  struct RunningEntry {
    uint32_t registration = 0;
    CLSID clsid;
    std::shared_ptr<IUnknown> object;
  };

  std::map<CLSID, ClassEntry> classes_;
  std::string errorInfo_;
  std::vector<RunningEntry> running_;  // in order of registration
  uint32_t nextRegistration_ = 1;
};

}  // namespace platform
