#pragma once
// Drives the authoring applications of the conversion passes through automation: start the
// application of a pass, print one document to the PDF printer driver, end the application.
// The application of every pass but PowerPoint's is held in the caller's handle (the main
// window's HostApp); PowerPoint is kept here, with whether it was running before the pass,
// because a PowerPoint the user had open must be left running.

#include <string>

#include "convert/OleCall.h"
#include "platform/automation/AutomationRuntime.h"
#include "platform/system/System.h"

// The passes of a run, in their order; web pages go through a second Word.
enum class HostPass { Word = 1, Excel = 2, PowerPoint = 3, WebPages = 4, AutoCAD = 5 };

class HostAutomation {
 public:
  HostAutomation(platform::AutomationRuntime& runtime, platform::System& system);

  // Word, Excel and AutoCAD are always created afresh into `hostApp`; PowerPoint is
  // attached to when one is running, else created. Raises the platform's error when the
  // application cannot be found, created or attached to.
  void Start(HostPass pass, platform::Variant& hostApp);
  // Opens `sourcePath`, prints it to the driver and closes it where the host allows. `entry`
  // is the file name as listed (Excel finds its workbook by it). Raises the first failing
  // call's error; the remaining calls for the file are not made.
  void PrintOne(HostPass pass, const platform::Variant& hostApp, const std::string& sourcePath,
                const std::string& entry);
  // Quits the application when the pass created it, then releases it (also when Quit fails).
  void End(HostPass pass, platform::Variant& hostApp);
  // After a failed file: quits the application when the pass created it, ignoring errors,
  // and releases it. A PowerPoint that was running before the pass is only released.
  void Release(HostPass pass, platform::Variant& hostApp);

  // PowerPoint was already running when its pass started.
  bool AlreadyRunning() const { return alreadyRunning_; }

 private:
  platform::Variant& HandleOf(HostPass pass, platform::Variant& hostApp);
  bool CreatedByPass(HostPass pass) const;
  platform::CLSID ClassOf(const std::string& progId) const;
  platform::Variant CreateInstance(const platform::CLSID& clsid);
  void StartPowerPoint();

  static void PrintWord(const OleCall& app, const std::string& path);
  static void PrintExcel(const OleCall& app, const std::string& path, const std::string& entry);
  static void PrintPowerPoint(const OleCall& app, const std::string& path);
  static void PrintAutoCad(const OleCall& app, const std::string& path);

  platform::AutomationRuntime& runtime_;
  platform::System& system_;
  platform::Variant powerPoint_;
  bool alreadyRunning_ = false;
};
