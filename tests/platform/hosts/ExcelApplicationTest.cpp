#include "platform/hosts/ExcelApplication.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "tests/platform/hosts/ScriptedOffice.h"

namespace {

using hoststest::ErrorOf;
using Texts = std::vector<std::string>;

class ExcelApplicationTest : public hoststest::ScriptedHostsTest {};

TEST_F(ExcelApplicationTest, PrintsTheWorkbookItFindsByNameToTheNamedPrinter) {
  printers.AddPrinter("Office Laser");
  printers.SetDefaultPrinter("Office Laser");
  automation.Start(HostPass::Excel, hostApp);
  automation.PrintOne(HostPass::Excel, hostApp, Compound("Budget.xls"), "budget.XLS");
  automation.End(HostPass::Excel, hostApp);
  EXPECT_EQ(log->events, (Texts{"open Budget.xls [MS Excel 97|MS Excel 95|MS Excel 5.0/95]",
                                "print Budget.xls", "close Budget.xls", "quit", "end"}));
  ASSERT_EQ(driver.jobs.size(), 1u);
  EXPECT_EQ(driver.jobs[0].printer, kDriverPrinterName);
  EXPECT_EQ(driver.jobs[0].document, "Budget.xls");
}

TEST_F(ExcelApplicationTest, WithoutAPrinterNamedTheActiveOrDefaultPrinterPrints) {
  printers.AddPrinter("Office Laser");
  spooler.RegisterDriver("Office Laser", driver);
  OleCall workbook =
      Create("Excel.Application").Read("Workbooks").Method("Open", {StrRef(Compound("A.xls"))});
  EXPECT_EQ(ErrorOf([&] { workbook.Method("PrintOut"); }), "No default printer is set.");
  printers.SetDefaultPrinter("Office Laser");
  workbook.Method("PrintOut");
  workbook.Method("PrintOut",
                  {Omitted(), Omitted(), Omitted(), Bool(false), Str(kDriverPrinterName)});
  workbook.Method("PrintOut");
  ASSERT_EQ(driver.jobs.size(), 3u);
  EXPECT_EQ(driver.jobs[0].printer, "Office Laser");
  EXPECT_EQ(driver.jobs[1].printer, kDriverPrinterName);
  EXPECT_EQ(driver.jobs[2].printer, kDriverPrinterName) << "the named printer became active";
}

TEST_F(ExcelApplicationTest, PagesCopiesAndPreviewAreRefusedRatherThanIgnored) {
  OleCall workbook =
      Create("Excel.Application").Read("Workbooks").Method("Open", {StrRef(Compound("A.xls"))});
  std::string refusal =
      "PrintOut method of Workbook class failed: only whole workbooks can be printed, once and "
      "without preview.";
  EXPECT_EQ(ErrorOf([&] { workbook.Method("PrintOut", {Int(2)}); }), refusal);
  EXPECT_EQ(ErrorOf([&] { workbook.Method("PrintOut", {Omitted(), Omitted(), Int(3)}); }), refusal);
  EXPECT_EQ(ErrorOf([&] {
              workbook.Method("PrintOut", {Omitted(), Omitted(), Omitted(), Bool(true)});
            }),
            refusal);
  EXPECT_TRUE(driver.jobs.empty());
}

TEST_F(ExcelApplicationTest, OneWorkbookOfANameIsOpenAtATime) {
  OleCall workbooks = Create("Excel.Application").Read("Workbooks");
  std::string first = Compound("Budget.xls");
  temp.MakeDir("c/OLD");
  std::filesystem::copy_file(docs / "Budget.xls", temp.Path() / "c/OLD/budget.xls");
  workbooks.Method("Open", {StrRef(first), Int(0), Bool(true)});
  workbooks.Method("Open", {StrRef(first)});
  EXPECT_EQ(ErrorOf([&] { workbooks.Method("Open", {StrRef("C:\\OLD\\budget.xls")}); }),
            "A document with the name 'Budget.xls' is already open. You cannot open two documents "
            "with the same name, even if the documents are in different folders.");
  EXPECT_EQ(std::count_if(log->events.begin(), log->events.end(),
                          [](const std::string& event) { return event.starts_with("open"); }),
            1);
  EXPECT_EQ(ErrorOf([&] { workbooks.Get("Item", {Str("Other.xls")}); }), "Subscript out of range");
}

}  // namespace
