#include "convert/OutputNaming.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/TempDir.h"

namespace {

class OutputNamingTest : public testing::Test {
 protected:
  // Drive C: is a private folder; the destination is C:\OUT.
  void Write(const std::string& name, const std::string& content) {
    temp.WriteFile("c/OUT/" + name, content);
  }
  bool Exists(const std::string& name) const {
    return std::filesystem::exists(temp.Path() / "c/OUT" / name);
  }
  std::string Content(const std::string& name) const {
    return testsupport::ReadFile(temp.Path() / "c/OUT" / name);
  }
  std::optional<std::string> Finish(const std::string& entry, int mode, bool wow64) {
    return naming.FinishOutput(entry, "C:\\DOCS\\" + entry, "C:\\OUT", mode, wow64);
  }

  testsupport::TempDir temp;
  platform::FileSystem files{{{'C', temp.MakeDir("c")}}, temp.Path() / "windows"};
  OutputNaming naming{files};
};

TEST_F(OutputNamingTest, Wow64OutputTakesTheSourceNameWithPdf) {
  for (int mode : {3, 1}) {
    Write("output.pdf.pdf", "new");
    EXPECT_EQ(Finish("Report.doc", mode, true), "C:\\OUT\\Report.pdf");
    EXPECT_EQ(Content("Report.pdf"), "new");
    EXPECT_FALSE(Exists("output.pdf.pdf"));
    std::filesystem::remove(temp.Path() / "c/OUT/Report.pdf");
  }
  Write("output.pdf.pdf", "new");
  EXPECT_EQ(Finish("README", 3, true), "C:\\OUT\\README.pdf") << "no extension: .pdf appended";
}

TEST_F(OutputNamingTest, Wow64ExistingFinalFileIsReplacedOrKeptByMode) {
  Write("Report.pdf", "old");
  Write("output.pdf.pdf", "new");
  EXPECT_EQ(Finish("Report.doc", 3, true), "C:\\OUT\\Report.pdf");
  EXPECT_EQ(Content("Report.pdf"), "new");

  Write("output.pdf.pdf", "newer");
  EXPECT_EQ(Finish("Report.doc", 1, true), "C:\\OUT\\Report__000.pdf");
  EXPECT_EQ(Content("Report.pdf"), "new");
  EXPECT_EQ(Content("Report__000.pdf"), "newer");

  Write("Report__001.pdf", "taken");
  Write("output.pdf.pdf", "newest");
  EXPECT_EQ(Finish("Report.doc", 1, true), "C:\\OUT\\Report__002.pdf");
  EXPECT_EQ(Content("Report__002.pdf"), "newest");
}

TEST_F(OutputNamingTest, TwoSourcesOfOneNameInOnePass) {
  Write("output.pdf.pdf", "from doc");
  Finish("report.doc", 1, true);
  Write("output.pdf.pdf", "from txt");
  Finish("report.txt", 1, true);
  EXPECT_EQ(Content("report.pdf"), "from doc");
  EXPECT_EQ(Content("report__000.pdf"), "from txt");

  Write("output.pdf.pdf", "doc again");
  Finish("report.doc", 3, true);
  Write("output.pdf.pdf", "txt again");
  Finish("report.txt", 3, true);
  EXPECT_EQ(Content("report.pdf"), "txt again");
}

TEST_F(OutputNamingTest, WhenEveryNumberIsTakenTheLastResortIsUsed) {
  Write("name.pdf", "old");
  for (int k = 0; k < 1000; ++k) {
    char numbered[32];
    std::snprintf(numbered, sizeof numbered, "name__%03d.pdf", k);
    Write(numbered, "");
  }
  Write("output.pdf.pdf", "new");
  EXPECT_EQ(Finish("name.xls", 1, true), "C:\\OUT\\name99999999999.pdf");
  EXPECT_EQ(Content("name99999999999.pdf"), "new");

  // The last resort is not tested: when it exists, the rename fails and the output stays.
  Write("output.pdf.pdf", "newer");
  EXPECT_EQ(Finish("name.xls", 1, true), std::nullopt);
  EXPECT_EQ(Content("output.pdf.pdf"), "newer");
  EXPECT_EQ(Content("name99999999999.pdf"), "new");
}

TEST_F(OutputNamingTest, OutputNamedAfterTheDocumentTakesItsFinalName) {
  Write("report000.pdf", "new");
  EXPECT_EQ(Finish("report.doc", 3, false), "C:\\OUT\\report.pdf");
  EXPECT_EQ(Content("report.pdf"), "new");
  EXPECT_FALSE(Exists("report000.pdf"));
}

TEST_F(OutputNamingTest, OutputNamedAfterTheDocumentFollowsTheModeForAnExistingFile) {
  Write("report.pdf", "old");
  Write("report000.pdf", "new");
  EXPECT_EQ(Finish("report.doc", 1, false), "C:\\OUT\\report__000.pdf");
  EXPECT_EQ(Content("report.pdf"), "old");
  EXPECT_EQ(Content("report__000.pdf"), "new");

  Write("report000.pdf", "newer");
  EXPECT_EQ(Finish("report.doc", 3, false), "C:\\OUT\\report.pdf");
  EXPECT_EQ(Content("report.pdf"), "newer");
  EXPECT_FALSE(Exists("report000.pdf"));
}

TEST_F(OutputNamingTest, ExtensionsOfAnyLengthAreDropped) {
  Write("page000.pdf", "web");
  EXPECT_EQ(Finish("page.html", 3, false), "C:\\OUT\\page.pdf");
  Write("letter000.pdf", "letter");
  EXPECT_EQ(Finish("letter.docx", 3, false), "C:\\OUT\\letter.pdf");
  Write("notes000.pdf", "notes");
  EXPECT_EQ(Finish("notes", 3, false), "C:\\OUT\\notes.pdf");
  Write("output.pdf.pdf", "wow");
  EXPECT_EQ(Finish("site.html", 3, true), "C:\\OUT\\site.pdf");
  EXPECT_EQ(Content("page.pdf"), "web");
  EXPECT_EQ(Content("letter.pdf"), "letter");
}

TEST_F(OutputNamingTest, AMissingOutputRenamesNothing) {
  Write("Report.pdf", "old");
  Write("other000.pdf", "unrelated");
  for (bool wow64 : {true, false}) {
    for (int mode : {3, 1}) EXPECT_EQ(Finish("Report.doc", mode, wow64), std::nullopt);
  }
  EXPECT_EQ(Content("Report.pdf"), "old");
  EXPECT_FALSE(Exists("Report__000.pdf"));
  EXPECT_EQ(Content("other000.pdf"), "unrelated");
}

TEST_F(OutputNamingTest, ADriveRootDestinationGetsOneSeparator) {
  temp.WriteFile("c/output.pdf.pdf", "root");
  EXPECT_EQ(naming.FinishOutput("Report.doc", "C:\\DOCS\\Report.doc", "C:", 3, true),
            "C:\\Report.pdf");
  EXPECT_EQ(testsupport::ReadFile(temp.Path() / "c/Report.pdf"), "root");
}

TEST_F(OutputNamingTest, UniqueNameLeavesShortAbsentOrUnnumberedNamesAlone) {
  temp.WriteFile("c/x", "");
  Write("Report.pdf", "");
  EXPECT_EQ(naming.UniqueName("C:\\x", 3), "C:\\x");
  EXPECT_EQ(naming.UniqueName("C:\\OUT\\Absent.pdf", 3), "C:\\OUT\\Absent.pdf");
  EXPECT_EQ(naming.UniqueName("C:\\OUT\\Report.pdf", 0), "C:\\OUT\\Report.pdf");
  EXPECT_EQ(naming.UniqueName("C:\\OUT\\Report.pdf", 3), "C:\\OUT\\Report__000.pdf");
  EXPECT_EQ(naming.UniqueName("C:\\OUT\\Report.pdf", 1), "C:\\OUT\\Report__0.pdf");
}

}  // namespace
