#include "platform/automation/OleError.h"

#include <cstdio>
#include <map>

namespace platform {

EOleSysError::EOleSysError(HRESULT code, const std::string& message)
    : EOleError(message.empty() ? MessageFor(code) : message), code_(code) {}

std::string EOleSysError::MessageFor(HRESULT code) {
  static const std::map<HRESULT, std::string> texts = {
      {E_NOTIMPL, "Not implemented"},
      {E_NOINTERFACE, "No such interface supported"},
      {E_POINTER, "Invalid pointer"},
      {E_FAIL, "Unspecified error"},
      {E_UNEXPECTED, "Catastrophic failure"},
      {E_INVALIDARG, "The parameter is incorrect."},
      {DISP_E_MEMBERNOTFOUND, "Member not found."},
      {DISP_E_PARAMNOTFOUND, "Parameter not found."},
      {DISP_E_TYPEMISMATCH, "Type mismatch."},
      {DISP_E_UNKNOWNNAME, "Unknown name."},
      {DISP_E_NONAMEDARGS, "No named arguments."},
      {DISP_E_EXCEPTION, "Exception occurred."},
      {DISP_E_BADPARAMCOUNT, "Invalid number of parameters."},
      {REGDB_E_CLASSNOTREG, "Class not registered"},
      {MK_E_UNAVAILABLE, "Operation unavailable"},
      {CO_E_CLASSSTRING, "Invalid class string"},
      {CO_E_SERVER_EXEC_FAILURE, "Server execution failed"},
  };
  if (auto it = texts.find(code); it != texts.end()) return it->second;
  char text[32];
  std::snprintf(text, sizeof text, "OLE error %.8X", code);
  return text;
}

EOleException::EOleException(const std::string& description, HRESULT code, std::string source)
    : EOleSysError(code, description), source_(std::move(source)) {}

void OleCheck(HRESULT result) {
  if (FAILED(result)) throw EOleSysError(result);
}

}  // namespace platform
