#include "convert/HostAutomation.h"

#include <gtest/gtest.h>

#include "platform/automation/OleError.h"
#include "tests/support/RecordingRuntime.h"
#include "tests/support/ScriptedServer.h"

namespace {

using platform::Variant;
using testsupport::ScriptedServer;
using Texts = std::vector<std::string>;

const std::string kDoc = "C:\\DOCS\\Report.doc";

class HostAutomationTest : public testing::Test {
 protected:
  HostAutomationTest() {
    for (ScriptedServer* server : {&word, &excel, &powerPoint, &autoCad}) server->Register(runtime);
    system.SetSleepHandler([this](uint32_t milliseconds) {
      pauses.push_back({milliseconds, autoCad.Created()});
    });
  }

  std::string Create(const ScriptedServer& server) const {
    return "CoCreateInstance " + server.Clsid().Text + " 5";
  }
  std::string Active(const ScriptedServer& server) const {
    return "GetActiveObject " + server.Clsid().Text;
  }

  testsupport::RecordingRuntime runtime;
  platform::System system;
  ScriptedServer word{"Word.Application", "Word"};
  ScriptedServer excel{"Excel.Application", "Excel"};
  ScriptedServer powerPoint{"PowerPoint.Application", "PowerPoint"};
  ScriptedServer autoCad{"AutoCAD.Application", "AutoCAD"};
  HostAutomation host{runtime, system};
  Variant hostApp;
  // Each pause asked for, with the number of AutoCAD instances made by then.
  std::vector<std::pair<uint32_t, int>> pauses;
};

TEST_F(HostAutomationTest, WordOpensSetsThePrinterPrintsAndClosesByPath) {
  host.Start(HostPass::Word, hostApp);
  host.PrintOne(HostPass::Word, hostApp, kDoc, "Report.doc");
  EXPECT_EQ(word.CallTexts(),
            (Texts{
                "Word: put DisplayAlerts(BOOL 0)",
                "Word: method|get Documents()",
                "Word.Documents: method Open(FileName:=BSTR& \"C:\\DOCS\\Report.doc\")",
                "Word: method|get Dialogs()",
                "Word.Dialogs: method Item(I4 97)",
                "Word.Dialogs.Item: put Printer(BSTR \"VELTRA Ashgrove PDF Creator\")",
                "Word.Dialogs.Item: put DoNotSetAsSysDefault(I4 1)",
                "Word.Dialogs.Item: method Execute()",
                "Word: method|get Documents()",
                "Word.Documents: get Item(BSTR& \"C:\\DOCS\\Report.doc\")",
                "Word.Documents.Item: method PrintOut(BOOL 0)",
                "Word: method|get Documents()",
                "Word.Documents: get Item(BSTR& \"C:\\DOCS\\Report.doc\")",
                "Word.Documents.Item: put Saved(BOOL -1)",
                "Word: method|get Documents()",
                "Word.Documents: get Item(BSTR& \"C:\\DOCS\\Report.doc\")",
                "Word.Documents.Item: method Close()",
            }));
}

TEST_F(HostAutomationTest, ExcelAddressesTheWorkbookByItsListedName) {
  host.Start(HostPass::Excel, hostApp);
  host.PrintOne(HostPass::Excel, hostApp, "C:\\DOCS\\Budget.xls", "Budget.xls");
  EXPECT_EQ(excel.CallTexts(),
            (Texts{
                "Excel: put DisplayAlerts(BOOL 0)",
                "Excel: method|get Workbooks()",
                "Excel.Workbooks: method Open(BSTR& \"C:\\DOCS\\Budget.xls\", I4 0, BOOL -1)",
                "Excel: method|get Workbooks()",
                "Excel.Workbooks: get Item(BSTR \"Budget.xls\")",
                "Excel.Workbooks.Item: method PrintOut(ERROR& 80020004, ERROR& 80020004, "
                "ERROR& 80020004, BOOL 0, BSTR \"VELTRA Ashgrove PDF Creator\")",
                "Excel: method|get Workbooks()",
                "Excel.Workbooks: get Item(BSTR \"Budget.xls\")",
                "Excel.Workbooks.Item: method Close()",
            }));
}

TEST_F(HostAutomationTest, PowerPointPrintsThroughThePresentationItOpened) {
  host.Start(HostPass::PowerPoint, hostApp);
  host.PrintOne(HostPass::PowerPoint, hostApp, "C:\\DOCS\\Talk.ppt", "Talk.ppt");
  EXPECT_EQ(powerPoint.CallTexts(),
            (Texts{
                "PowerPoint: method|get Presentations()",
                "PowerPoint.Presentations: method Open(BSTR& \"C:\\DOCS\\Talk.ppt\", I4 -1, I4 0, "
                "I4 0)",
                "PowerPoint.Presentations.Open: method|get PrintOptions()",
                "PowerPoint.Presentations.Open.PrintOptions: put PrintInBackground(I4 0)",
                "PowerPoint.Presentations.Open: method|get PrintOptions()",
                "PowerPoint.Presentations.Open.PrintOptions: put PrintColorType(I4 1)",
                "PowerPoint.Presentations.Open: method|get PrintOptions()",
                "PowerPoint.Presentations.Open.PrintOptions: put ActivePrinter(BSTR \"VELTRA "
                "Ashgrove PDF Creator\")",
                "PowerPoint.Presentations.Open: method PrintOut()",
                "PowerPoint.Presentations.Open: method Close()",
            }));
}

TEST_F(HostAutomationTest, AutoCadPlotsEachDrawingAndLeavesItOpenUntilQuit) {
  host.Start(HostPass::AutoCAD, hostApp);
  host.PrintOne(HostPass::AutoCAD, hostApp, "C:\\DWG\\Plan.dwg", "Plan.dwg");
  host.PrintOne(HostPass::AutoCAD, hostApp, "C:\\DWG\\Site.dxf", "Site.dxf");
  host.End(HostPass::AutoCAD, hostApp);
  EXPECT_EQ(autoCad.CallTexts(),
            (Texts{
                "AutoCAD: method|get Documents()",
                "AutoCAD.Documents: method Open(BSTR& \"C:\\DWG\\Plan.dwg\")",
                "AutoCAD.Documents.Open: method|get Plot()",
                "AutoCAD.Documents.Open.Plot: method PlotToDevice(BSTR \"VELTRA Ashgrove PDF "
                "Creator\")",
                "AutoCAD: method|get Documents()",
                "AutoCAD.Documents: method Open(BSTR& \"C:\\DWG\\Site.dxf\")",
                "AutoCAD.Documents.Open: method|get Plot()",
                "AutoCAD.Documents.Open.Plot: method PlotToDevice(BSTR \"VELTRA Ashgrove PDF "
                "Creator\")",
                "AutoCAD: method Quit()",
            }));
}

TEST_F(HostAutomationTest, AutoCadIsGivenHalfASecondAfterItStarts) {
  for (HostPass pass : {HostPass::Word, HostPass::Excel, HostPass::PowerPoint}) {
    host.Start(pass, hostApp);
    host.End(pass, hostApp);
  }
  EXPECT_TRUE(pauses.empty());
  host.Start(HostPass::AutoCAD, hostApp);
  EXPECT_EQ(pauses, (std::vector<std::pair<uint32_t, int>>{{500, 1}}));
  EXPECT_TRUE(autoCad.CallTexts().empty()) << "nothing is set on the application at start";
}

TEST_F(HostAutomationTest, WordExcelAndAutoCadAreAlwaysCreatedAndQuit) {
  word.RegisterRunning(runtime);  // a running Word is never used
  for (HostPass pass : {HostPass::Word, HostPass::Excel, HostPass::WebPages, HostPass::AutoCAD}) {
    host.Start(pass, hostApp);
    EXPECT_EQ(hostApp.BaseType(), platform::VT_DISPATCH);
    host.End(pass, hostApp);
    EXPECT_TRUE(hostApp.IsEmpty());
  }
  EXPECT_EQ(runtime.Requests(), (Texts{"CLSIDFromProgID Word.Application", Create(word),
                                       "CLSIDFromProgID Excel.Application", Create(excel),
                                       "CLSIDFromProgID Word.Application", Create(word),
                                       "CLSIDFromProgID AutoCAD.Application", Create(autoCad)}));
  EXPECT_EQ(word.Created(), 3) << "the running Word and one for each Word pass";
  EXPECT_EQ(word.Alive(), 1) << "only the running Word is left";
  EXPECT_EQ(excel.Alive(), 0);
  EXPECT_EQ(autoCad.Alive(), 0);
  for (ScriptedServer* server : {&excel, &autoCad}) {
    EXPECT_EQ(server->CallTexts(), Texts{server->Calls().front().Object + ": method Quit()"});
  }
  EXPECT_EQ(word.CallTexts(), (Texts{"Word: method Quit()", "Word: method Quit()"}));
}

TEST_F(HostAutomationTest, ANewPowerPointIsQuitAtTheEnd) {
  host.Start(HostPass::PowerPoint, hostApp);
  EXPECT_EQ(runtime.Requests(), (Texts{"CLSIDFromProgID PowerPoint.Application", Active(powerPoint),
                                       Create(powerPoint)}));
  EXPECT_FALSE(host.AlreadyRunning());
  EXPECT_TRUE(hostApp.IsEmpty()) << "PowerPoint is kept apart from HostApp";
  EXPECT_EQ(powerPoint.Alive(), 1);
  host.End(HostPass::PowerPoint, hostApp);
  EXPECT_EQ(powerPoint.CallTexts(), Texts{"PowerPoint: method Quit()"});
  EXPECT_EQ(powerPoint.Alive(), 0);
}

TEST_F(HostAutomationTest, ARunningPowerPointIsUsedAndLeftRunning) {
  uint32_t registration = powerPoint.RegisterRunning(runtime);
  host.Start(HostPass::PowerPoint, hostApp);
  EXPECT_EQ(runtime.Requests(), (Texts{"CLSIDFromProgID PowerPoint.Application", Active(powerPoint),
                                       Active(powerPoint)}));
  EXPECT_TRUE(host.AlreadyRunning());
  EXPECT_EQ(powerPoint.Created(), 1);
  host.PrintOne(HostPass::PowerPoint, hostApp, "C:\\DOCS\\Talk.ppt", "Talk.ppt");
  host.End(HostPass::PowerPoint, hostApp);
  EXPECT_EQ(powerPoint.CallTexts().back(), "PowerPoint.Presentations.Open: method Close()");
  EXPECT_EQ(powerPoint.Alive(), 1);
  std::shared_ptr<platform::IUnknown> running;
  EXPECT_EQ(runtime.GetActiveObject(powerPoint.Clsid(), running), platform::S_OK);

  // The flag belongs to the pass: once the user has closed that PowerPoint, the next pass
  // starts its own and quits it.
  running.reset();
  ASSERT_EQ(runtime.RevokeActiveObject(registration), platform::S_OK);
  EXPECT_EQ(powerPoint.Alive(), 0);
  host.Start(HostPass::PowerPoint, hostApp);
  EXPECT_FALSE(host.AlreadyRunning());
  host.End(HostPass::PowerPoint, hostApp);
  EXPECT_EQ(powerPoint.CallTexts().back(), "PowerPoint: method Quit()");
  EXPECT_EQ(powerPoint.Created(), 2);
}

TEST_F(HostAutomationTest, APowerPointThatCannotBeAttachedToRaisesAnError) {
  class NotAutomation : public platform::IUnknown {};
  uint32_t registration = 0;
  ASSERT_EQ(runtime.RegisterActiveObject(std::make_shared<NotAutomation>(), powerPoint.Clsid(),
                                         registration),
            platform::S_OK);
  try {
    host.Start(HostPass::PowerPoint, hostApp);
    FAIL() << "no error";
  } catch (const platform::EOleSysError& e) {
    EXPECT_EQ(e.ErrorCode(), platform::E_NOINTERFACE);
    EXPECT_EQ(e.Message(), "No such interface supported");
  }
  EXPECT_EQ(powerPoint.Created(), 0);
}

TEST_F(HostAutomationTest, StartRaisesThePlatformsErrorForAMissingApplication) {
  platform::AutomationRuntime bare;
  HostAutomation noOffice(bare, system);
  try {
    noOffice.Start(HostPass::Word, hostApp);
    FAIL() << "no error";
  } catch (const platform::EOleSysError& e) {
    EXPECT_EQ(e.ErrorCode(), platform::CO_E_CLASSSTRING);
    EXPECT_EQ(e.Message(), "Invalid class string");
  }
  excel.Register(bare, 0);  // the ProgID is known but no server is there for the class
  try {
    noOffice.Start(HostPass::Excel, hostApp);
    FAIL() << "no error";
  } catch (const platform::EOleSysError& e) {
    EXPECT_EQ(e.ErrorCode(), platform::REGDB_E_CLASSNOTREG);
    EXPECT_EQ(e.Message(), "Class not registered");
  }
  autoCad.Register(bare);
  autoCad.SetStartResult(platform::CO_E_SERVER_EXEC_FAILURE);
  EXPECT_THROW(noOffice.Start(HostPass::AutoCAD, hostApp), platform::EOleSysError);
  EXPECT_TRUE(hostApp.IsEmpty());
}

TEST_F(HostAutomationTest, AFailingCallStopsTheFileWithTheHostsDescription) {
  word.Fail("Word.Dialogs.Item", "Printer", "The printer is not accepted.");
  host.Start(HostPass::Word, hostApp);
  try {
    host.PrintOne(HostPass::Word, hostApp, kDoc, "Report.doc");
    FAIL() << "no error";
  } catch (const platform::EOleException& e) {
    EXPECT_EQ(e.Message(), "The printer is not accepted.");
  }
  EXPECT_EQ(word.CallTexts().back(),
            "Word.Dialogs.Item: put Printer(BSTR \"VELTRA Ashgrove PDF Creator\")");
  EXPECT_EQ(word.CallTexts().size(), 6u) << "no call after the failing one";
}

TEST_F(HostAutomationTest, AnUnknownMemberOrAnErrorResultStopsTheFileToo) {
  excel.Forget("Excel.Workbooks.Item", "PrintOut");
  host.Start(HostPass::Excel, hostApp);
  try {
    host.PrintOne(HostPass::Excel, hostApp, "C:\\DOCS\\Budget.xls", "Budget.xls");
    FAIL() << "no error";
  } catch (const platform::EOleSysError& e) {
    EXPECT_EQ(e.Message(), "Unknown name.");
  }
  EXPECT_EQ(excel.CallTexts().back(), "Excel.Workbooks: get Item(BSTR \"Budget.xls\")");

  autoCad.FailWithResult([](const testsupport::RecordedCall& call) { return call.Name == "Open"; },
                         platform::DISP_E_TYPEMISMATCH);
  host.Start(HostPass::AutoCAD, hostApp);
  EXPECT_THROW(host.PrintOne(HostPass::AutoCAD, hostApp, "C:\\DWG\\Plan.dwg", "Plan.dwg"),
               platform::EOleSysError);
  EXPECT_EQ(autoCad.CallTexts().back(),
            "AutoCAD.Documents: method Open(BSTR& \"C:\\DWG\\Plan.dwg\")");
}

TEST_F(HostAutomationTest, ReleaseAfterAFailureQuitsOnlyWhatThePassCreated) {
  host.Start(HostPass::Word, hostApp);
  host.Release(HostPass::Word, hostApp);
  EXPECT_TRUE(hostApp.IsEmpty());
  EXPECT_EQ(word.Alive(), 0);
  EXPECT_EQ(word.CallTexts(), Texts{"Word: method Quit()"});

  host.Start(HostPass::PowerPoint, hostApp);
  host.Release(HostPass::PowerPoint, hostApp);
  EXPECT_EQ(powerPoint.Alive(), 0);
  EXPECT_EQ(powerPoint.CallTexts(), Texts{"PowerPoint: method Quit()"});

  // A PowerPoint the user had open is left running.
  powerPoint.RegisterRunning(runtime);
  host.Start(HostPass::PowerPoint, hostApp);
  host.Release(HostPass::PowerPoint, hostApp);
  EXPECT_EQ(powerPoint.CallTexts(), Texts{"PowerPoint: method Quit()"});
  EXPECT_EQ(powerPoint.Alive(), 1);
}

TEST_F(HostAutomationTest, AFailingQuitOnReleaseIsIgnored) {
  word.Fail("Word", "Quit", "Word is busy.");
  host.Start(HostPass::Word, hostApp);
  EXPECT_NO_THROW(host.Release(HostPass::Word, hostApp));
  EXPECT_TRUE(hostApp.IsEmpty());
  EXPECT_EQ(word.Alive(), 0);
}

TEST_F(HostAutomationTest, AFailingQuitStillReleasesTheApplication) {
  word.Fail("Word", "Quit", "Word is busy.");
  host.Start(HostPass::Word, hostApp);
  EXPECT_THROW(host.End(HostPass::Word, hostApp), platform::EOleException);
  EXPECT_TRUE(hostApp.IsEmpty());
  EXPECT_EQ(word.Alive(), 0);
}

}  // namespace
