#include "platform/hosts/PowerPointApplication.h"

#include <gtest/gtest.h>

#include "tests/platform/hosts/ScriptedOffice.h"

namespace {

using hoststest::ErrorOf;
using Texts = std::vector<std::string>;

class PowerPointApplicationTest : public hoststest::ScriptedHostsTest {};

TEST_F(PowerPointApplicationTest, PrintsToThePrinterOfThePresentationsPrintOptions) {
  printers.AddPrinter("Office Laser");
  printers.SetDefaultPrinter("Office Laser");
  automation.Start(HostPass::PowerPoint, hostApp);
  EXPECT_FALSE(automation.AlreadyRunning());
  automation.PrintOne(HostPass::PowerPoint, hostApp, Compound("Slides.ppt"), "Slides.ppt");
  automation.End(HostPass::PowerPoint, hostApp);
  EXPECT_EQ(log->events, (Texts{"open Slides.ppt [MS PowerPoint 97]", "print Slides.ppt",
                                "close Slides.ppt", "quit", "end"}));
  ASSERT_EQ(driver.jobs.size(), 1u);
  EXPECT_EQ(driver.jobs[0].printer, kDriverPrinterName);
}

TEST_F(PowerPointApplicationTest, PrintOptionsStayWithThePresentation) {
  OleCall presentations = Create("PowerPoint.Application").Read("Presentations");
  OleCall presentation =
      presentations.Method("Open", {StrRef(Compound("Slides.ppt")), Int(-1), Int(0), Int(0)});
  presentation.Read("PrintOptions").Put("ActivePrinter", Str(kDriverPrinterName));
  presentation.Read("PrintOptions").Put("PrintColorType", Int(2));
  OleCall again = presentations.Get("Item", {Int(1)});
  EXPECT_EQ(again.Read("PrintOptions").Read("ActivePrinter").Value(), Str(kDriverPrinterName));
  EXPECT_EQ(again.Read("PrintOptions").Read("PrintColorType").Value(), Int(2));
  EXPECT_EQ(ErrorOf([&] { again.Read("PrintOptions").Put("PrintColorType", Int(4)); }),
            "PrintOptions.PrintColorType : The specified value is out of range.");
  again.Method("PrintOut");
  EXPECT_EQ(driver.jobs.size(), 1u);
  EXPECT_EQ(ErrorOf([&] {
              presentation.Method("PrintOut", {Int(2), Int(3)});
            }),
            "Presentation.PrintOut : only whole presentations can be printed, once, to a printer.");
}

}  // namespace
