#include "tests/support/win32/server/ScriptedClassFactory.h"

#include "tests/support/win32/server/ScriptedComObject.h"
#include "tests/support/win32/server/ServerScript.h"

namespace scriptedserver {

ScriptedClassFactory::ScriptedClassFactory() {
  ++Script().locks;
}

ScriptedClassFactory::~ScriptedClassFactory() {
  --Script().locks;
}

HRESULT ScriptedClassFactory::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid != IID_IUnknown && iid != IID_IClassFactory) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IClassFactory*>(this);
  AddRef();
  return S_OK;
}

ULONG ScriptedClassFactory::AddRef() {
  return ++references_;
}

ULONG ScriptedClassFactory::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT ScriptedClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  auto* application = new ScriptedComObject(Script().label, true, {});
  const HRESULT result = application->QueryInterface(iid, object);
  application->Release();
  return result;
}

HRESULT ScriptedClassFactory::LockServer(BOOL lock) {
  Script().locks += lock ? 1 : -1;
  return S_OK;
}

}  // namespace scriptedserver
