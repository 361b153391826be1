#include "platform/hosts/WordApplication.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "tests/platform/hosts/ScriptedOffice.h"

namespace {

using hoststest::ErrorOf;
using Texts = std::vector<std::string>;

class WordApplicationTest : public hoststest::ScriptedHostsTest {};

TEST_F(WordApplicationTest, PrintsToTheDialogsPrinterTitledWithTheFileNameAndQuits) {
  printers.AddPrinter("Office Laser");
  printers.SetDefaultPrinter("Office Laser");
  std::string path = Compound("Report.doc");
  automation.Start(HostPass::Word, hostApp);
  automation.PrintOne(HostPass::Word, hostApp, path, "Report.doc");
  automation.End(HostPass::Word, hostApp);

  EXPECT_EQ(log->events, (Texts{"open Report.doc [MS Word 97|MS Word 95|MS WinWord 6.0]",
                                "print Report.doc", "close Report.doc", "quit", "end"}));
  ASSERT_EQ(driver.jobs.size(), 1u);
  EXPECT_EQ(driver.jobs[0].printer, kDriverPrinterName);
  EXPECT_EQ(driver.jobs[0].document, "Report.doc");
  EXPECT_EQ(testsupport::PdfPageText(driver.jobs[0].pdf).find("Report.doc") != std::string::npos,
            true);
  EXPECT_EQ(printers.EnumPrinters(platform::PRINTER_ENUM_DEFAULT).printers[0].PrinterName,
            "Office Laser")
      << "DoNotSetAsSysDefault 1 leaves the system's default printer alone";
  EXPECT_EQ(log->running, 0);
}

TEST_F(WordApplicationTest, ExecuteWithoutDoNotSetAsSysDefaultMakesThePrinterTheDefault) {
  printers.AddPrinter("Office Laser");
  OleCall word = Create("Word.Application");
  OleCall dialog = word.Read("Dialogs").Method("Item", {Int(97)});
  dialog.Put("Printer", Str("Office Laser"));
  dialog.Method("Execute");
  EXPECT_EQ(printers.EnumPrinters(platform::PRINTER_ENUM_DEFAULT).printers[0].PrinterName,
            "Office Laser");
  EXPECT_EQ(ErrorOf([&] { word.Read("Dialogs").Method("Item", {Int(88)}); }),
            "The requested member of the collection does not exist.");
}

TEST_F(WordApplicationTest, APrinterThatIsNotInstalledFailsThePrintOutNotTheDialog) {
  OleCall word = Create("Word.Application");
  std::string path = Compound("Report.doc");
  word.Read("Documents").Method("Open", {}, {{"FileName", StrRef(path)}});
  OleCall dialog = word.Read("Dialogs").Method("Item", {Int(97)});
  dialog.Put("Printer", Str("Nowhere"));
  dialog.Put("DoNotSetAsSysDefault", Int(1));
  dialog.Method("Execute");
  EXPECT_EQ(ErrorOf([&] {
              word.Read("Documents").Get("Item", {StrRef(path)}).Method("PrintOut", {Bool(false)});
            }),
            "The printer \"Nowhere\" is not installed.");
  EXPECT_TRUE(driver.jobs.empty());
}

TEST_F(WordApplicationTest, DocumentsAreFoundByPathNameOrPositionAndOpenedOnce) {
  OleCall word = Create("Word.Application");
  std::string path = Compound("Report.doc");
  OleCall documents = word.Read("Documents");
  documents.Method("Open", {StrRef(path)});
  documents.Method("Open", {}, {{"filename", StrRef("c:\\docs\\report.DOC")}});
  EXPECT_EQ(log->events, (Texts{"open Report.doc [MS Word 97|MS Word 95|MS WinWord 6.0]"}));
  for (const platform::Variant& key : {Str("C:\\DOCS\\REPORT.DOC"), Str("report.doc"), Int(1)}) {
    documents.Get("Item", {key}).Put("Saved", Bool(false));
    EXPECT_EQ(documents.Get("Item", {key}).Read("Saved").Value(), Bool(false));
  }
  EXPECT_EQ(ErrorOf([&] { documents.Get("Item", {Int(2)}); }),
            "The requested member of the collection does not exist.");
  documents.Get("Item", {Int(1)}).Method("Close");
  EXPECT_EQ(ErrorOf([&] { documents.Get("Item", {Str("Report.doc")}); }),
            "The requested member of the collection does not exist.");
}

TEST_F(WordApplicationTest, AClosedDocumentAndAQuitApplicationTakeNoMoreCalls) {
  OleCall word = Create("Word.Application");
  OleCall document = word.Read("Documents").Method("Open", {StrRef(Compound("A.doc"))});
  document.Method("Close");
  EXPECT_EQ(ErrorOf([&] { document.Method("PrintOut"); }), "The object has been deleted.");
  OleCall documents = word.Read("Documents");
  word.Method("Quit");
  EXPECT_EQ(ErrorOf([&] { documents.Method("Open", {StrRef(Compound("B.doc"))}); }),
            "Word has quit and takes no more calls.");
  EXPECT_EQ(ErrorOf([&] { word.Method("Quit"); }), "Word has quit and takes no more calls.");
}

TEST_F(WordApplicationTest, TheOfficeEndsWithTheLastReferenceWhetherOrNotQuitCame) {
  automation.Start(HostPass::Word, hostApp);
  automation.PrintOne(HostPass::Word, hostApp, Compound("A.doc"), "A.doc");
  OleCall documents = OleCall(hostApp).Read("Documents");
  hostApp.Clear();
  EXPECT_EQ(log->running, 1) << "the collection still holds the application";
  documents = OleCall(platform::Variant());
  EXPECT_EQ(log->running, 0);
  EXPECT_EQ(log->events.back(), "end");
  EXPECT_EQ(std::count(log->events.begin(), log->events.end(), "quit"), 0);
}

TEST_F(WordApplicationTest, ARefusedDocumentFailsWithTheOfficesReasonAndWordGoesOn) {
  log->refusals["Locked.doc"] = "The document \"C:\\DOCS\\Locked.doc\" is password-protected.";
  automation.Start(HostPass::Word, hostApp);
  EXPECT_EQ(ErrorOf([&] {
              automation.PrintOne(HostPass::Word, hostApp, Compound("Locked.doc"), "Locked.doc");
            }),
            "The document \"C:\\DOCS\\Locked.doc\" is password-protected.");
  EXPECT_EQ(ErrorOf([&] {
              automation.PrintOne(HostPass::Word, hostApp, "C:\\DOCS\\Missing.doc", "Missing.doc");
            }),
            "The file \"C:\\DOCS\\Missing.doc\" could not be found.");
  automation.PrintOne(HostPass::Word, hostApp, Compound("Fine.doc"), "Fine.doc");
  EXPECT_EQ(driver.jobs.size(), 1u);
}

TEST_F(WordApplicationTest, PlainTextAndWebPagesOpenWithTheirFilters) {
  std::string text = Write("notes.txt", "caf\xC3\xA9\n");
  std::string page = Write("page.HTML", "<p>no html tag at all</p>");
  automation.Start(HostPass::WebPages, hostApp);
  automation.PrintOne(HostPass::WebPages, hostApp, text, "notes.txt");
  automation.PrintOne(HostPass::WebPages, hostApp, page, "page.HTML");
  EXPECT_EQ(log->events,
            (Texts{"open notes.txt [Text (encoded)]", "print notes.txt", "close notes.txt",
                   "open page.HTML [HTML]", "print page.HTML", "close page.HTML"}));
}

}  // namespace
