#include "convert/HostAutomation.h"

#include "convert/DriverNames.h"
#include "platform/automation/OleError.h"

using platform::Variant;

namespace {

constexpr char kWord[] = "Word.Application";
constexpr char kExcel[] = "Excel.Application";
constexpr char kPowerPoint[] = "PowerPoint.Application";
constexpr char kAutoCad[] = "AutoCAD.Application";

// Word's print-setup dialog (wdDialogFilePrintSetup).
constexpr int32_t kWordPrintSetupDialog = 97;
// PowerPoint's colour printing (ppPrintColor).
constexpr int32_t kPowerPointPrintColor = 1;
// AutoCAD needs a moment after it starts before it takes documents.
constexpr uint32_t kAutoCadSettleMs = 500;

const char* ProgIdOf(HostPass pass) {
  switch (pass) {
    case HostPass::Excel:
      return kExcel;
    case HostPass::PowerPoint:
      return kPowerPoint;
    case HostPass::AutoCAD:
      return kAutoCad;
    default:
      return kWord;
  }
}

}  // namespace

HostAutomation::HostAutomation(platform::AutomationRuntime& runtime, platform::System& system)
    : runtime_(runtime), system_(system) {}

void HostAutomation::Start(HostPass pass, Variant& hostApp) {
  if (pass == HostPass::PowerPoint) return StartPowerPoint();
  hostApp = CreateInstance(ClassOf(ProgIdOf(pass)));
  if (pass == HostPass::AutoCAD) system_.Sleep(kAutoCadSettleMs);
}

void HostAutomation::PrintOne(HostPass pass, const Variant& hostApp, const std::string& sourcePath,
                              const std::string& entry) {
  switch (pass) {
    case HostPass::Excel:
      return PrintExcel(OleCall(hostApp), sourcePath, entry);
    case HostPass::PowerPoint:
      return PrintPowerPoint(OleCall(powerPoint_), sourcePath);
    case HostPass::AutoCAD:
      return PrintAutoCad(OleCall(hostApp), sourcePath);
    default:
      return PrintWord(OleCall(hostApp), sourcePath);
  }
}

void HostAutomation::End(HostPass pass, Variant& hostApp) {
  Variant& handle = HandleOf(pass, hostApp);
  // Taken out of the handle first, so that a failing Quit still releases it.
  OleCall app(std::move(handle));
  handle.Clear();
  if (CreatedByPass(pass)) app.Method("Quit");
}

void HostAutomation::Release(HostPass pass, Variant& hostApp) {
  Variant& handle = HandleOf(pass, hostApp);
  OleCall app(std::move(handle));
  handle.Clear();
  if (!CreatedByPass(pass)) return;
  // An application released without Quit stays behind, invisible, holding its documents.
  // The file has already failed; a failing Quit adds nothing to report.
  try {
    app.Method("Quit");
  } catch (const platform::Error&) {
  }
}

Variant& HostAutomation::HandleOf(HostPass pass, Variant& hostApp) {
  return pass == HostPass::PowerPoint ? powerPoint_ : hostApp;
}

bool HostAutomation::CreatedByPass(HostPass pass) const {
  return pass != HostPass::PowerPoint || !alreadyRunning_;
}

platform::CLSID HostAutomation::ClassOf(const std::string& progId) const {
  platform::CLSID clsid;
  platform::OleCheck(runtime_.CLSIDFromProgID(progId, clsid));
  return clsid;
}

Variant HostAutomation::CreateInstance(const platform::CLSID& clsid) {
  std::shared_ptr<platform::IDispatch> object;
  const platform::HRESULT result = runtime_.CoCreateInstance(
      clsid, platform::CLSCTX_INPROC_SERVER | platform::CLSCTX_LOCAL_SERVER, object);
  // The bare code says only that the server failed; the server's own words say why.
  if (std::string cause = runtime_.TakeErrorInfo(); platform::FAILED(result) && !cause.empty()) {
    throw platform::EOleSysError(result,
                                 platform::EOleSysError::MessageFor(result) + ".\r\n" + cause);
  }
  platform::OleCheck(result);
  return Variant::FromDispatch(std::move(object));
}

void HostAutomation::StartPowerPoint() {
  alreadyRunning_ = false;
  platform::CLSID clsid = ClassOf(kPowerPoint);
  std::shared_ptr<platform::IUnknown> running;
  if (runtime_.GetActiveObject(clsid, running) == platform::MK_E_UNAVAILABLE) {
    powerPoint_ = CreateInstance(clsid);
    return;
  }
  running.reset();
  platform::OleCheck(runtime_.GetActiveObject(clsid, running));
  std::shared_ptr<platform::IDispatch> dispatch;
  platform::OleCheck(platform::QueryInterface(running, dispatch));
  powerPoint_ = Variant::FromDispatch(std::move(dispatch));
  alreadyRunning_ = true;
}

void HostAutomation::PrintWord(const OleCall& app, const std::string& path) {
  app.Put("DisplayAlerts", Bool(false));
  app.Read("Documents").Method("Open", {}, {{"FileName", StrRef(path)}});
  OleCall dialog = app.Read("Dialogs").Method("Item", {Int(kWordPrintSetupDialog)});
  dialog.Put("Printer", Str(kDriverPrinterName));
  dialog.Put("DoNotSetAsSysDefault", Int(1));
  dialog.Method("Execute");
  // Each step finds the document again by its full path: no document handle is kept.
  app.Read("Documents").Get("Item", {StrRef(path)}).Method("PrintOut", {Bool(false)});
  app.Read("Documents").Get("Item", {StrRef(path)}).Put("Saved", Bool(true));
  app.Read("Documents").Get("Item", {StrRef(path)}).Method("Close");
}

void HostAutomation::PrintExcel(const OleCall& app, const std::string& path,
                                const std::string& entry) {
  app.Put("DisplayAlerts", Bool(false));
  app.Read("Workbooks").Method("Open", {StrRef(path), Int(0), Bool(true)});
  // Excel names an open workbook by its file name, not by its path.
  app.Read("Workbooks")
      .Get("Item", {Str(entry)})
      .Method("PrintOut", {Omitted(), Omitted(), Omitted(), Bool(false), Str(kDriverPrinterName)});
  app.Read("Workbooks").Get("Item", {Str(entry)}).Method("Close");
}

void HostAutomation::PrintPowerPoint(const OleCall& app, const std::string& path) {
  OleCall presentation =
      app.Read("Presentations").Method("Open", {StrRef(path), Int(-1), Int(0), Int(0)});
  presentation.Read("PrintOptions").Put("PrintInBackground", Int(0));
  presentation.Read("PrintOptions").Put("PrintColorType", Int(kPowerPointPrintColor));
  presentation.Read("PrintOptions").Put("ActivePrinter", Str(kDriverPrinterName));
  presentation.Method("PrintOut");
  presentation.Method("Close");
}

void HostAutomation::PrintAutoCad(const OleCall& app, const std::string& path) {
  // The drawing stays open: AutoCAD closes all of them when it quits at the end of the pass.
  OleCall drawing = app.Read("Documents").Method("Open", {StrRef(path)});
  drawing.Read("Plot").Method("PlotToDevice", {Str(kDriverPrinterName)});
}
