#pragma once
// The scripted automation server (server/) as a test uses it: its DLL, beside the test
// executables, registered for the current user as an in-process server of `progId` while the
// object lives (HKCU "Software\Classes": the ProgID's class and the class's InprocServer32,
// apartment-threaded; where the system's classes root does not show the user's classes, as
// under Wine, for the machine too), and removed again after. The server records every call it
// receives as "Label: kind Member(arguments)" and prints what the application prints to the PDF
// printer's automatic folder. One DLL serves the process, and one process at a time
// registers it: the constructor waits for its turn.

#include <string>
#include <vector>

#include "platform/automation/AutomationTypes.h"

namespace testsupport {

class ScriptedComServer {
 public:
  // `label` names the application object in the record ("Word").
  ScriptedComServer(const std::string& progId, const std::string& label);
  ~ScriptedComServer();
  ScriptedComServer(const ScriptedComServer&) = delete;
  ScriptedComServer& operator=(const ScriptedComServer&) = delete;

  static const platform::CLSID& Clsid();

  // The member of the object labelled `object` raises an exception with this description.
  void Fail(const std::string& object, const std::string& member, const std::string& description);
  // The member no longer exists on the object.
  void Forget(const std::string& object, const std::string& member);

  std::vector<std::string> CallTexts() const;
  int Created() const;  // application objects made
  int Alive() const;    // application objects not yet ended by their last release

 private:
  void Register(const std::wstring& dll);
  void Unregister();

  std::wstring progId_;
  void* turn_ = nullptr;  // the mutex that lets one test process register at a time
  void* module_ = nullptr;
  bool machineToo_ = false;  // registered for the machine as well
};

}  // namespace testsupport
