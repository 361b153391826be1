#include "tests/support/win32/server/ScriptedComObject.h"

#include <cstdio>
#include <vector>

#include "tests/support/win32/server/PrinterOutput.h"
#include "tests/support/win32/server/ServerScript.h"

namespace scriptedserver {
namespace {

// The code a host gives its own exceptions ("Command failed").
constexpr SCODE kHostException = static_cast<SCODE>(0x800A1066);

std::string KindText(WORD flags) {
  switch (flags) {
    case DISPATCH_METHOD:
      return "method";
    case DISPATCH_PROPERTYGET:
      return "get";
    case DISPATCH_PROPERTYPUT:
      return "put";
    case DISPATCH_METHOD | DISPATCH_PROPERTYGET:
      return "method|get";
    default:
      return "kind " + std::to_string(flags);
  }
}

std::string Hex(unsigned long code) {
  char text[16];
  std::snprintf(text, sizeof text, "%.8lX", code);
  return text;
}

// "I4 97", "BOOL -1", "BSTR "text"", "ERROR 80020004", "DISPATCH", "EMPTY"; "&" after the type
// for a value passed by reference.
std::string Describe(const VARIANT& value) {
  const bool byRef = (value.vt & VT_BYREF) != 0;
  if (value.vt == (VT_BYREF | VT_VARIANT)) return "VARIANT& " + Describe(*value.pvarVal);
  const std::string ref = byRef ? "&" : "";
  switch (value.vt & ~VT_BYREF) {
    case VT_EMPTY:
      return "EMPTY" + ref;
    case VT_I4:
      return "I4" + ref + " " + std::to_string(byRef ? *value.plVal : value.lVal);
    case VT_BOOL:
      return "BOOL" + ref + " " + std::to_string(byRef ? *value.pboolVal : value.boolVal);
    case VT_BSTR: {
      const BSTR text = byRef ? *value.pbstrVal : value.bstrVal;
      return "BSTR" + ref + " \"" + Utf8(text, SysStringLen(text)) + "\"";
    }
    case VT_ERROR:
      return "ERROR" + ref + " " +
             Hex(static_cast<unsigned long>(byRef ? *value.pscode : value.scode));
    case VT_DISPATCH:
      return "DISPATCH" + ref;
    default:
      return "VT " + std::to_string(value.vt & ~VT_BYREF) + ref;
  }
}

// The text of a value that is text, following a reference; empty for any other value.
std::wstring TextOf(const VARIANT& value) {
  BSTR text = nullptr;
  if (value.vt == VT_BSTR) text = value.bstrVal;
  if (value.vt == (VT_BSTR | VT_BYREF)) text = *value.pbstrVal;
  return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

// The positional arguments in call order (COM passes them last to first, after the named).
std::vector<const VARIANT*> Positional(const DISPPARAMS& params) {
  std::vector<const VARIANT*> args;
  for (UINT i = params.cArgs; i > params.cNamedArgs; --i) args.push_back(&params.rgvarg[i - 1]);
  return args;
}

// "(I4 1, FileName:=BSTR& "C:\A.DOC")": positional arguments, a property write's value, then
// the named ones. Empty with `valid` false when a named argument's id was never given.
std::string ArgumentText(const DISPPARAMS& params, bool& valid) {
  std::string text;
  std::string separator;
  for (const VARIANT* arg : Positional(params)) {
    text += separator + Describe(*arg);
    separator = ", ";
  }
  std::string named;
  for (UINT i = 0; i < params.cNamedArgs; ++i) {
    const DISPID id = params.rgdispidNamedArgs[i];
    if (id == DISPID_PROPERTYPUT) {
      text += separator + Describe(params.rgvarg[i]);
      separator = ", ";
      continue;
    }
    const std::string name = Script().NameOf(id);
    valid = valid && !name.empty();
    named += ", " + name + ":=" + Describe(params.rgvarg[i]);
  }
  if (text.empty() && !named.empty()) named.erase(0, 2);
  return "(" + text + named + ")";
}

bool HasPropertyPutValue(const DISPPARAMS& params) {
  for (UINT i = 0; i < params.cNamedArgs; ++i) {
    if (params.rgdispidNamedArgs[i] == DISPID_PROPERTYPUT) return true;
  }
  return false;
}

// The document a call names: its named FileName, else its first text argument.
std::wstring DocumentOf(const DISPPARAMS& params) {
  for (UINT i = 0; i < params.cNamedArgs; ++i) {
    if (UpperAscii(Script().NameOf(params.rgdispidNamedArgs[i])) == "FILENAME") {
      return TextOf(params.rgvarg[i]);
    }
  }
  for (const VARIANT* arg : Positional(params)) {
    if (std::wstring text = TextOf(*arg); !text.empty()) return text;
  }
  return {};
}

HRESULT Raise(EXCEPINFO* exception, const std::string& description) {
  if (!exception) return DISP_E_EXCEPTION;
  *exception = {};
  const std::wstring source(Script().label.begin(), Script().label.end());
  exception->bstrSource = SysAllocString(source.c_str());
  const int length = MultiByteToWideChar(CP_UTF8, 0, description.data(),
                                         static_cast<int>(description.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, description.data(), static_cast<int>(description.size()),
                      wide.data(), length);
  exception->bstrDescription = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  exception->scode = kHostException;
  return DISP_E_EXCEPTION;
}

}  // namespace

ScriptedComObject::ScriptedComObject(std::string label, bool root, std::wstring document)
    : label_(std::move(label)), root_(root), document_(std::move(document)) {
  ++Script().locks;
  if (!root_) return;
  ++Script().created;
  ++Script().alive;
}

ScriptedComObject::~ScriptedComObject() {
  for (auto& [key, child] : children_) child->Release();
  --Script().locks;
  if (root_) --Script().alive;
}

HRESULT ScriptedComObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid != IID_IUnknown && iid != IID_IDispatch) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

ULONG ScriptedComObject::AddRef() {
  return ++references_;
}

ULONG ScriptedComObject::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT ScriptedComObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT ScriptedComObject::GetTypeInfo(UINT, LCID, ITypeInfo**) {
  return DISP_E_BADINDEX;
}

HRESULT ScriptedComObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  HRESULT result = S_OK;
  for (UINT i = 0; i < count; ++i) {
    const std::string name = Utf8(names[i], wcslen(names[i]));
    // Only the member itself can be forgotten; its arguments' names are always known.
    if (i == 0 && Script().forgotten.count({label_, UpperAscii(name)}) != 0) {
      ids[i] = DISPID_UNKNOWN;
      result = DISP_E_UNKNOWNNAME;
      continue;
    }
    ids[i] = Script().IdOf(name);
  }
  return result;
}

HRESULT ScriptedComObject::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                  VARIANT* result, EXCEPINFO* exception, UINT*) {
  const std::string name = Script().NameOf(member);
  if (name.empty()) return DISP_E_MEMBERNOTFOUND;
  if (!params || params->cNamedArgs > params->cArgs) return E_INVALIDARG;
  bool valid = true;
  const std::string arguments = ArgumentText(*params, valid);
  Script().calls.push_back(label_ + ": " + KindText(flags) + " " + name + arguments);
  if (!valid) return DISP_E_PARAMNOTFOUND;
  // A property write carries its value as the property-put argument, as COM has it.
  if ((flags & DISPATCH_PROPERTYPUT) != 0 && !HasPropertyPutValue(*params)) {
    return DISP_E_PARAMNOTFOUND;
  }
  const auto failure = Script().failures.find({label_, UpperAscii(name)});
  if (failure != Script().failures.end()) return Raise(exception, failure->second);
  return Answer(name, arguments, *params, result, exception);
}

HRESULT ScriptedComObject::Answer(const std::string& name, const std::string& arguments,
                                  DISPPARAMS& params, VARIANT* result, EXCEPINFO* exception) {
  const std::string key = UpperAscii(name);
  if (key == "OPEN") Script().openDocuments.insert(DocumentOf(params));
  if (key == "CLOSE") Script().openDocuments.erase(document_);
  if (key == "PRINTOUT") {
    if (Script().openDocuments.count(document_) == 0) {
      return Raise(exception, "This document is not open.");
    }
    PrintToDriver(document_);
  }
  if (!result) return S_OK;
  if (key == "ECHO") {
    const std::vector<const VARIANT*> args = Positional(params);
    return args.empty() ? DISP_E_BADPARAMCOUNT
                        : VariantCopyInd(result, const_cast<VARIANT*>(args.front()));
  }
  ScriptedComObject* child = Child(name, arguments, params);
  child->AddRef();
  result->vt = VT_DISPATCH;
  result->pdispVal = child;
  return S_OK;
}

ScriptedComObject* ScriptedComObject::Child(const std::string& name, const std::string& arguments,
                                            const DISPPARAMS& params) {
  ScriptedComObject*& child = children_[UpperAscii(name) + arguments];
  if (!child) child = new ScriptedComObject(label_ + "." + name, false, DocumentOf(params));
  return child;
}

}  // namespace scriptedserver
