#pragma once
// One object of the scripted server, answering late-bound calls by name. Every member exists
// unless forgotten; each call is recorded as "Label: kind Name(arguments)" with the variant
// types as they arrived. A call whose result is asked for answers a sub-object labelled after
// the member ("Word.Documents"), one per member and arguments, which stands for the document
// named by the call's first text argument. Open opens that document, Close closes it and
// PrintOut prints it to the PDF printer's folder (it must be open); Echo answers its first
// argument.

#include <oaidl.h>
#include <windows.h>

#include <map>
#include <string>

namespace scriptedserver {

class ScriptedComObject : public IDispatch {
 public:
  // One reference, the caller's. `root` is an application object, counted as made and alive.
  ScriptedComObject(std::string label, bool root, std::wstring document);
  virtual ~ScriptedComObject();
  ScriptedComObject(const ScriptedComObject&) = delete;
  ScriptedComObject& operator=(const ScriptedComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override;

 private:
  HRESULT Answer(const std::string& name, const std::string& arguments, DISPPARAMS& params,
                 VARIANT* result, EXCEPINFO* exception);
  ScriptedComObject* Child(const std::string& name, const std::string& arguments,
                           const DISPPARAMS& params);

  ULONG references_ = 1;
  std::string label_;
  bool root_;
  std::wstring document_;
  std::map<std::string, ScriptedComObject*> children_;  // by member and arguments
};

}  // namespace scriptedserver
