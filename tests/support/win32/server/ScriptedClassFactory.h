#pragma once
// Makes the scripted server's application objects for COM.

#include <unknwn.h>
#include <windows.h>

namespace scriptedserver {

class ScriptedClassFactory : public IClassFactory {
 public:
  ScriptedClassFactory();
  virtual ~ScriptedClassFactory();
  ScriptedClassFactory(const ScriptedClassFactory&) = delete;
  ScriptedClassFactory& operator=(const ScriptedClassFactory&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  ULONG references_ = 1;
};

}  // namespace scriptedserver
