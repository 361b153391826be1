// sheafmill-batch over LibreOffice: the sample documents of every type converted for real,
// and an interrupted run that leaves no office behind. Skipped where the tool finds no
// LibreOffice.

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/driver/DriverInstaller.h"
#include "platform/printing/Printers.h"
#include "platform/registry/RegistryStore.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TempDir.h"
#include "tests/tools/batch/BatchProcess.h"

namespace {

namespace fs = std::filesystem;
using testsupport::BatchProcess;
using testsupport::BatchResult;

constexpr char kNoOffice[] = "LibreOffice is not installed";

class SheafmillBatchOfficeTest : public testing::Test {
 protected:
  SheafmillBatchOfficeTest() {
    platform::driver::Install(store, printers);
    for (const auto& entry : fs::directory_iterator(SHEAFMILL_EXAMPLES)) {
      if (entry.is_regular_file()) fs::copy_file(entry.path(), examples / entry.path().filename());
    }
  }

  std::map<std::string, std::string> Environment() const {
    return {{"HOME", home.string()},
            {"XDG_CONFIG_HOME", (home / ".config").string()},
            {"SHEAFMILL_PROFILE", profile.string()},
            {"TMPDIR", tmp.string()}};
  }
  // Processes whose command line names this test's folder: the offices of its runs.
  int OfficesLeft() const {
    int count = 0;
    for (const auto& entry : fs::directory_iterator("/proc")) {
      std::ifstream in(entry.path() / "cmdline", std::ios::binary);
      const std::string line{std::istreambuf_iterator<char>(in), {}};
      if (line.starts_with(SHEAFMILL_BATCH_EXE)) continue;
      if (line.find(temp.Path().string()) != std::string::npos) ++count;
    }
    return count;
  }

  testsupport::TempDir temp;
  fs::path home = temp.MakeDir("home");
  fs::path examples = temp.MakeDir("home/examples");
  fs::path tmp = temp.MakeDir("tmp");
  fs::path profile = temp.Path() / "profile";
  platform::RegistryStore store{profile};
  platform::Printers printers{store};
};

TEST_F(SheafmillBatchOfficeTest, EveryExampleTypeBecomesAPdf) {
  const fs::path out = home / "pdf";
  const BatchResult result = testsupport::RunBatch(
      {"--types", "doc,txt,rtf,xls,ppt,htm,cad", examples.string(), out.string()}, Environment());
  if (result.err.find(kNoOffice) != std::string::npos) GTEST_SKIP() << result.err;

  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.err, "");
  // Every sample has a name of its own, so every one has a PDF of its own.
  const std::vector<std::string> documents = {"agenda.htm", "budget.xls", "letter.rtf",
                                              "memo.docx",  "notes.txt",  "plan.dxf",
                                              "report.doc", "slides.ppt", "summary.html"};
  for (const std::string& name : documents) {
    const fs::path pdf = out / fs::path(name).replace_extension(".pdf");
    ASSERT_TRUE(fs::exists(pdf)) << name << "\n" << result.out;
    EXPECT_GE(testsupport::PdfPageCount(pdf), 1) << name;
    EXPECT_NE(result.out.find(name + " Converted OK!"), std::string::npos) << name;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()),
            static_cast<std::ptrdiff_t>(documents.size()));
  EXPECT_EQ(OfficesLeft(), 0);
  EXPECT_TRUE(fs::is_empty(tmp));
}

TEST_F(SheafmillBatchOfficeTest, TwoJobsWriteTheSamePdfFilesAsOne) {
  // memo.docx and memo.txt of the same-name samples meet in memo.pdf.
  for (const char* name : {"memo.docx", "memo.txt"}) {
    fs::copy_file(fs::path(SHEAFMILL_EXAMPLES) / "same-name" / name,
                  examples / ("memo2" + fs::path(name).extension().string()));
  }
  const auto convert = [&](const char* jobs, const fs::path& out) {
    return testsupport::RunBatch({"--jobs", jobs, "--keep-existing", "--types",
                                  "doc,txt,rtf,xls,ppt,htm", examples.string(), out.string()},
                                 Environment());
  };
  const BatchResult one = convert("1", home / "one");
  if (one.err.find(kNoOffice) != std::string::npos) GTEST_SKIP() << one.err;
  const BatchResult two = convert("2", home / "two");

  EXPECT_EQ(one.exitStatus, 0) << one.err;
  EXPECT_EQ(two.exitStatus, 0) << two.err;
  EXPECT_EQ(two.err, "");
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(home / "one")) {
    names.push_back(entry.path().filename().string());
    const fs::path twin = home / "two" / entry.path().filename();
    ASSERT_TRUE(fs::exists(twin)) << twin << "\n" << two.out;
    EXPECT_EQ(testsupport::PdfPageCount(twin), testsupport::PdfPageCount(entry.path())) << twin;
  }
  EXPECT_EQ(names.size(), 10u);
  EXPECT_EQ(std::distance(fs::directory_iterator(home / "two"), fs::directory_iterator()),
            static_cast<std::ptrdiff_t>(names.size()));
  EXPECT_TRUE(fs::exists(home / "two" / "memo2__000.pdf"));
  EXPECT_EQ(OfficesLeft(), 0);
  EXPECT_TRUE(fs::is_empty(tmp));
}

TEST_F(SheafmillBatchOfficeTest, CtrlCInTheMiddleLeavesNoOfficeBehind) {
  BatchProcess batch({"--types", "doc,txt,rtf,xls,ppt", examples.string()}, Environment());
  if (!batch.WaitFor("Converting ")) {
    const BatchResult result = batch.Finish();
    if (result.err.find(kNoOffice) != std::string::npos) GTEST_SKIP() << result.err;
    FAIL() << result.out << result.err;
  }
  batch.Signal(SIGINT);
  const BatchResult result = batch.Finish();

  EXPECT_EQ(result.exitStatus, 130) << result.err;
  EXPECT_NE(result.out.find("Task Complete."), std::string::npos) << result.out;
  // Only the first pass ran: no spreadsheet was opened.
  EXPECT_EQ(result.out.find("budget.xls"), std::string::npos) << result.out;
  EXPECT_EQ(OfficesLeft(), 0);
  EXPECT_TRUE(fs::is_empty(tmp));
}

}  // namespace
