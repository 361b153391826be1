#include "platform/hosts/AcadApplication.h"

#include <gtest/gtest.h>

#include "tests/platform/hosts/ScriptedOffice.h"

namespace {

using hoststest::ErrorOf;
using Texts = std::vector<std::string>;

class AcadApplicationTest : public hoststest::ScriptedHostsTest {
 protected:
  std::string Drawing(const std::string& name) {
    return Write(name, "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n");
  }
};

TEST_F(AcadApplicationTest, DrawingsAreFittedPlottedAndKeptOpenUntilQuit) {
  automation.Start(HostPass::AutoCAD, hostApp);
  automation.PrintOne(HostPass::AutoCAD, hostApp, Drawing("Plan.dxf"), "Plan.dxf");
  automation.PrintOne(HostPass::AutoCAD, hostApp, Drawing("Site.DXF"), "Site.DXF");
  EXPECT_EQ(log->events,
            (Texts{"open Plan.dxf [DXF - AutoCAD Interchange]", "fit Plan.dxf", "print Plan.dxf",
                   "open Site.DXF [DXF - AutoCAD Interchange]", "fit Site.DXF", "print Site.DXF"}));
  automation.End(HostPass::AutoCAD, hostApp);
  EXPECT_EQ(log->events.back(), "end");
  ASSERT_EQ(driver.jobs.size(), 2u);
  EXPECT_EQ(driver.jobs[1].document, "Site.DXF");
}

TEST_F(AcadApplicationTest, PlotToDeviceAnswersTrueAndDrawingsAreKnownByTheirFirstBytes) {
  OleCall documents = Create("AutoCAD.Application").Read("Documents");
  OleCall plot = documents.Method("Open", {StrRef(Drawing("Plan.dxf"))}).Read("Plot");
  EXPECT_EQ(plot.Method("PlotToDevice", {Str(kDriverPrinterName)}).Value(), Bool(true));
  std::string dwg = Write("Plan.dwg", "0\nSECTION\n");
  EXPECT_EQ(ErrorOf([&] { documents.Method("Open", {StrRef(dwg)}); }),
            "The file \"C:\\DOCS\\Plan.dwg\" is damaged or not a DWG drawing.");
  OleCall again = documents.Get("Item", {Str("plan.dxf")}).Read("Plot");
  EXPECT_EQ(ErrorOf([&] { again.Method("PlotToDevice"); }), "No default printer is set.")
      << "without a device the default printer plots, and there is none";
}

}  // namespace
