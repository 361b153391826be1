#include "platform/hosts/ImportFilters.h"

#include <tuple>

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "tests/support/Encoded.h"
#include "tests/support/TempDir.h"

namespace {

using platform::hosts::ChooseImportFilter;
using platform::hosts::HostFamily;
using Filters = std::vector<std::string>;
using testsupport::Encoded;

const std::string kCompound("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
const std::string kZip("PK\x03\x04", 4);

class ImportFiltersTest : public testing::Test {
 protected:
  platform::hosts::ImportFilter Choose(HostFamily family, const std::string& name,
                                       const std::string& content) {
    return ChooseImportFilter(family, temp.WriteFile(name, content), name);
  }
  std::string Refusal(HostFamily family, const std::string& name, const std::string& content) {
    try {
      Choose(family, name, content);
    } catch (const platform::Error& e) {
      return e.Message();
    }
    return "";
  }

  testsupport::TempDir temp;
};

TEST_F(ImportFiltersTest, TheNameGivesTheTypeAndTheFirstBytesTheFormat) {
  struct Case {
    HostFamily family;
    std::string name, content;
    Filters filters;
  };
  std::vector<Case> cases = {
      {HostFamily::Word, "a.doc", kCompound + "x", {"MS Word 97", "MS Word 95", "MS WinWord 6.0"}},
      {HostFamily::Word, "a.DOC", kZip + "x", {"MS Word 2007 XML"}},
      {HostFamily::Word, "a.doc", "\xEF\xBB\xBF {\\rtf1 x}", {"Rich Text Format"}},
      {HostFamily::Word, "a.doc", "\n<!DOCTYPE html><p>", {"HTML"}},
      {HostFamily::Word, "a.docx", kCompound, {"MS Word 2007 XML"}},
      {HostFamily::Word, "a.htm", "anything", {"HTML"}},
      {HostFamily::Word, "a.txt", "", {"Text (encoded)"}},
      {HostFamily::Excel, "a.xls", kCompound, {"MS Excel 97", "MS Excel 95", "MS Excel 5.0/95"}},
      {HostFamily::Excel, "a.xls", "<html><table>", {"calc_HTML_WebQuery"}},
      {HostFamily::PowerPoint, "a.ppt", kZip, {"Impress MS PowerPoint 2007 XML"}},
      {HostFamily::AutoCAD,
       "a.dxf",
       "999\r\nmade by hand\r\n0\r\nSECTION\r\n",
       {"DXF - AutoCAD Interchange"}},
      {HostFamily::AutoCAD, "b.dxf", "AutoCAD Binary DXF\r\n\x1A", {"DXF - AutoCAD Interchange"}},
      {HostFamily::AutoCAD, "p.DWG", "AC1027\0\0", {"DXF - AutoCAD Interchange"}},
      // Names the application does not know: the bytes alone decide.
      {HostFamily::Word, "report.docm", kZip, {"MS Word 2007 XML"}},
      {HostFamily::Word, "notes.txt~", "plain words\r\n", {"Text (encoded)"}},
      {HostFamily::Word, "x.docbak", kCompound, {"MS Word 97", "MS Word 95", "MS WinWord 6.0"}},
      {HostFamily::Word, "letter.doc ", "{\\rtf1 x}", {"Rich Text Format"}},
      {HostFamily::Word,
       "letter.doc",
       "text saved under the name of a document",
       {"Text (encoded)"}},
      {HostFamily::Excel, "book.xlsm", kZip, {"Calc MS Excel 2007 XML"}},
      {HostFamily::Excel, "a.doc", kCompound, {"MS Excel 97", "MS Excel 95", "MS Excel 5.0/95"}},
      {HostFamily::PowerPoint, "deck.pptm", kZip, {"Impress MS PowerPoint 2007 XML"}},
      // No pinned filter reads these: the office's type detection chooses.
      {HostFamily::Word, "perfect.doc", std::string("\xFFWPC\x10\0\0\0\x01\x0A", 10), {}},
      {HostFamily::Excel, "old.xls", std::string("\x09\x04\x06\0\0\0\x10\0", 8), {}},
      {HostFamily::PowerPoint, "old.ppt", std::string("\0\x01\x02", 3), {}},
      // An empty file is an empty document of the type its name gives.
      {HostFamily::Excel, "e.xls", "", {"MS Excel 97", "MS Excel 95", "MS Excel 5.0/95"}},
      {HostFamily::PowerPoint, "e.pptx", "", {"Impress MS PowerPoint 2007 XML"}},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(Choose(test.family, test.name, test.content).filters, test.filters) << test.name;
  }
}

TEST_F(ImportFiltersTest, PlainTextKeepsItsCharacterSet) {
  EXPECT_EQ(Choose(HostFamily::Word, "u.txt", "caf\xC3\xA9").options, "UTF8");
  EXPECT_EQ(Choose(HostFamily::Word, "w.txt", "caf\xE9 au lait").options, "MS_1252");
  // Legacy text without a mark: the character set it reads as.
  const std::string russian =
      "Широкая электрификация южных губерний даст мощный толчок подъёму сельского хозяйства.\n";
  const std::string japanese = "これは日本語のテキストです。漢字とひらがなとカタカナ。\n";
  for (auto [charset, text, office] :
       std::vector<std::tuple<const char*, std::string, const char*>>{
           {"KOI8-R", russian, "KOI8_R"},
           {"CP866", russian, "IBM_866"},
           {"CP1251", russian, "MS_1251"},
           {"SHIFT_JIS", japanese, "SHIFT_JIS"}}) {
    EXPECT_EQ(Choose(HostFamily::Word, "legacy.txt", Encoded(text, charset)).options, office)
        << charset;
  }
  EXPECT_EQ(Choose(HostFamily::Word, "b.txt",
                   std::string("\xFF\xFE"
                               "a\0",
                               4))
                .options,
            "UNICODE");
  // A character cut off by the end of what is read is no reason to doubt the rest.
  std::string text(64 * 1024 - 1, 'a');
  EXPECT_EQ(Choose(HostFamily::Word, "cut.txt", text + "\xE2\x82\xAC").options, "UTF8");
}

TEST_F(ImportFiltersTest, AWebPageThatDeclaresNoCharacterSetAndIsNotUnicodeIsReadInItsOwn) {
  const std::string page =
      "<html><head><title>Тест</title></head><body><p>Широкая электрификация южных губерний "
      "даст мощный толчок подъёму сельского хозяйства.</p></body></html>";
  auto charset = [&](const std::string& name, const std::string& content, HostFamily family) {
    return Choose(family, name, content).undeclaredCharset;
  };
  EXPECT_EQ(charset("koi.htm", Encoded(page, "KOI8-R"), HostFamily::Word), "KOI8-R");
  EXPECT_EQ(charset("dos.html", Encoded(page, "CP866"), HostFamily::Word), "IBM866");
  EXPECT_EQ(charset("page.doc", Encoded(page, "CP1251"), HostFamily::Word), "WINDOWS-1251");
  EXPECT_EQ(charset("sheet.xls", Encoded(page, "KOI8-R"), HostFamily::Excel), "KOI8-R");
  EXPECT_EQ(charset("west.htm", "<p>caf\xE9 \x93quoted\x94</p>", HostFamily::Word), "WINDOWS-1252");
  // What the page says of itself, or a Unicode form the office reads, stays as it is.
  for (const std::string& kept :
       {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=koi8-r\">" +
            Encoded(page, "KOI8-R"),
        "<META CHARSET=windows-1251>" + Encoded(page, "CP1251"), page,
        "\xEF\xBB\xBF" + Encoded(page, "CP1251"), "\xFF\xFE" + Encoded(page, "UTF-16LE"),
        Encoded(page, "UTF-16BE")}) {
    EXPECT_EQ(charset("kept.htm", kept, HostFamily::Word), "") << kept;
  }
  EXPECT_EQ(charset("notes.txt", Encoded(page, "KOI8-R"), HostFamily::Word), "");
}

TEST_F(ImportFiltersTest, TypeDetectionChoosesAmongTheApplicationsOwnKindsOfDocument) {
  EXPECT_EQ(Choose(HostFamily::Word, "w.doc", kZip.substr(0, 3)).documentServices,
            Filters({"com.sun.star.text.TextDocument", "com.sun.star.text.WebDocument",
                     "com.sun.star.text.GlobalDocument"}));
  EXPECT_EQ(Choose(HostFamily::Excel, "e.xls", kZip.substr(0, 3)).documentServices,
            Filters({"com.sun.star.sheet.SpreadsheetDocument"}));
  EXPECT_EQ(Choose(HostFamily::PowerPoint, "p.ppt", "").documentServices,
            Filters({"com.sun.star.presentation.PresentationDocument"}));
}

TEST_F(ImportFiltersTest, FilesOfAnotherTypeOrFormatAreRefusedWithTheReason) {
  EXPECT_EQ(Refusal(HostFamily::AutoCAD, "r.dxf", "0\nLINE\n"),
            "The file \"r.dxf\" is damaged or not a DXF drawing.");
  EXPECT_EQ(Refusal(HostFamily::AutoCAD, "empty.dxf", ""),
            "The file \"empty.dxf\" is damaged or not a DXF drawing.");
  EXPECT_EQ(Refusal(HostFamily::AutoCAD, "plan.dwg", "0\nSECTION\n"),
            "The file \"plan.dwg\" is damaged or not a DWG drawing.");
  try {
    ChooseImportFilter(HostFamily::Word, temp.Path() / "gone.doc", "C:\\gone.doc");
    ADD_FAILURE() << "chosen";
  } catch (const platform::Error& e) {
    EXPECT_EQ(e.Message(), "The file \"C:\\gone.doc\" could not be found.");
  }
}

}  // namespace
