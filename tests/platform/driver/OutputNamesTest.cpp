#include "platform/driver/OutputNames.h"

#include <gtest/gtest.h>

namespace platform::driver {
namespace {

struct NameCase {
  std::string documentName;
  std::string automatic;  // not 64-bit Windows
  std::string documents;
};

class OutputNamesTest : public testing::TestWithParam<NameCase> {};

TEST_P(OutputNamesTest, NamesFollowTheDocumentsFileName) {
  const NameCase& c = GetParam();
  EXPECT_EQ(AutomaticOutputName(c.documentName, false), c.automatic);
  EXPECT_EQ(DocumentsFolderName(c.documentName, 0), c.documents);
  // Whatever the document, a 32-bit program on 64-bit Windows looks for one fixed name.
  EXPECT_EQ(AutomaticOutputName(c.documentName, true), "output.pdf.pdf");
}

INSTANTIATE_TEST_SUITE_P(
    Documents, OutputNamesTest,
    testing::Values(NameCase{"report.doc", "report000.pdf", "report.doc.pdf"},
                    NameCase{"C:\\DOCS\\report.doc", "report000.pdf", "report.doc.pdf"},
                    NameCase{"/home/ann/Q3 plan.xls", "Q3 plan000.pdf", "Q3 plan.xls.pdf"},
                    NameCase{"D:notes.txt", "notes000.pdf", "notes.txt.pdf"},
                    NameCase{"archive.tar.rtf", "archive.tar000.pdf", "archive.tar.rtf.pdf"},
                    NameCase{"page.html", "page000.pdf", "page.html.pdf"},
                    NameCase{"README", "README000.pdf", "README.pdf"},
                    NameCase{"Bob's 'final' draft.doc", "Bob's 'final' draft000.pdf",
                             "Bob's 'final' draft.doc.pdf"},
                    NameCase{"Is it \"done\"?.doc", "Is it _done__000.pdf",
                             "Is it _done__.doc.pdf"},
                    NameCase{"a<b>|*\tc.txt", "a_b____c000.pdf", "a_b____c.txt.pdf"},
                    NameCase{"Übersicht für Jürgen.rtf", "Übersicht für Jürgen000.pdf",
                             "Übersicht für Jürgen.rtf.pdf"},
                    NameCase{"-rf.doc", "-rf000.pdf", "-rf.doc.pdf"},
                    NameCase{"C:\\DOCS\\", "000.pdf", "Untitled.pdf"}));

TEST(DocumentsFolderNameTest, NumberedAlternativesKeepTheDocumentsName) {
  EXPECT_EQ(DocumentsFolderName("report.doc", 1), "report.doc (1).pdf");
  EXPECT_EQ(DocumentsFolderName("C:\\a\\report.doc", 12), "report.doc (12).pdf");
  EXPECT_EQ(DocumentsFolderName("", 2), "Untitled (2).pdf");
}

}  // namespace
}  // namespace platform::driver
