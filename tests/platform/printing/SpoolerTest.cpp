#include "platform/printing/Spooler.h"

#include <gtest/gtest.h>

#include "platform/Error.h"

namespace platform {
namespace {

class RecordingDriver : public PrintDriver {
 public:
  void Print(const PrintJob& job) override { documents.push_back(job.documentName); }
  std::vector<std::string> documents;
};

TEST(SpoolerTest, JobsGoToTheDriverOfTheNamedPrinter) {
  RecordingDriver pdf, laser;
  Spooler spooler;
  spooler.RegisterDriver("VELTRA Ashgrove PDF Creator", pdf);
  spooler.RegisterDriver("Office Laser", laser);

  spooler.Submit({"veltra ashgrove pdf creator", "report.doc", "/tmp/job1.pdf"});
  spooler.Submit({"OFFICE LASER", "sheet.xls", "/tmp/job2.pdf"});
  spooler.Submit({"VELTRA Ashgrove PDF Creator", "notes.txt", "/tmp/job3.pdf"});

  EXPECT_EQ(pdf.documents, (std::vector<std::string>{"report.doc", "notes.txt"}));
  EXPECT_EQ(laser.documents, std::vector<std::string>{"sheet.xls"});
  EXPECT_TRUE(spooler.HasPrinter("office laser"));
}

TEST(SpoolerTest, AnUnknownPrinterIsAnErrorNamingIt) {
  RecordingDriver pdf;
  Spooler spooler;
  spooler.RegisterDriver("VELTRA Ashgrove PDF Creator", pdf);
  spooler.UnregisterDriver("veltra ashgrove pdf creator");
  EXPECT_FALSE(spooler.HasPrinter("VELTRA Ashgrove PDF Creator"));
  try {
    spooler.Submit({"VELTRA Ashgrove PDF Creator", "report.doc", "/tmp/job.pdf"});
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.Message(),
              "Cannot print \"report.doc\": the printer \"VELTRA Ashgrove PDF Creator\" is not "
              "installed");
  }
  EXPECT_TRUE(pdf.documents.empty());
}

}  // namespace
}  // namespace platform
