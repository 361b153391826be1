#pragma once
// An office for tests of the servers' object model: it keeps a log of what it is asked to do
// ("open report.doc [MS Word 97|MS Word 95|MS WinWord 6.0]", "fit plan.dxf", "print
// report.doc", "close report.doc", "quit", "end"), prints one page showing the document's
// file name, and refuses the files it is told to refuse.

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/hosts/Office.h"
#include "tests/support/PdfFixtures.h"

namespace hoststest {

struct OfficeLog {
  std::vector<std::string> events;
  std::map<std::string, std::string> refusals;  // file name -> the error Open raises
  int running = 0;                              // offices not yet ended
};

class ScriptedDocument : public platform::hosts::OfficeDocument {
 public:
  ScriptedDocument(std::shared_ptr<OfficeLog> log, std::string name)
      : log_(std::move(log)), name_(std::move(name)) {}
  platform::hosts::DocumentKind Kind() const override {
    return platform::hosts::DocumentKind::Text;
  }
  void FitToPage() override { log_->events.push_back("fit " + name_); }
  void ExportPdf(const std::filesystem::path& pdfFile) override {
    log_->events.push_back("print " + name_);
    testsupport::WriteOnePagePdf(pdfFile, name_);
  }
  void Close() override { log_->events.push_back("close " + name_); }

 private:
  std::shared_ptr<OfficeLog> log_;
  std::string name_;
};

class ScriptedOffice : public platform::hosts::Office {
 public:
  explicit ScriptedOffice(std::shared_ptr<OfficeLog> log) : log_(std::move(log)) {
    ++log_->running;
  }
  ~ScriptedOffice() override {
    log_->events.push_back("end");
    --log_->running;
  }
  std::unique_ptr<platform::hosts::OfficeDocument> Open(
      const std::filesystem::path& file, const std::string&,
      const platform::hosts::ImportFilter& filter) override {
    std::string name = file.filename().string();
    std::string filters;
    for (const std::string& each : filter.filters) filters += (filters.empty() ? "" : "|") + each;
    log_->events.push_back("open " + name + " [" + filters + "]");
    if (auto refusal = log_->refusals.find(name); refusal != log_->refusals.end()) {
      throw platform::Error(refusal->second);
    }
    return std::make_unique<ScriptedDocument>(log_, name);
  }
  void Quit() override { log_->events.push_back("quit"); }

 private:
  std::shared_ptr<OfficeLog> log_;
};

}  // namespace hoststest

#include <gtest/gtest.h>

#include "convert/OleCall.h"
#include "platform/automation/OleError.h"
#include "platform/hosts/OfficeHosts.h"
#include "tests/platform/hosts/HostsWorld.h"

namespace hoststest {

// The four applications registered over scripted offices in a private world, with a
// compound file (what a Word 97 document, a workbook or a presentation starts with) to open.
class ScriptedHostsTest : public testing::Test, public HostsWorld {
 protected:
  ScriptedHostsTest() {
    platform::hosts::RegisterHosts(runtime, Services(),
                                   [log = log] { return std::make_unique<ScriptedOffice>(log); });
  }

  std::string Compound(const std::string& name) {
    return Write(name, std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + "compound file");
  }
  // A new instance of `progId`, as a client holds it.
  OleCall Create(const std::string& progId) {
    platform::CLSID clsid;
    platform::OleCheck(runtime.CLSIDFromProgID(progId, clsid));
    std::shared_ptr<platform::IDispatch> object;
    platform::OleCheck(runtime.CoCreateInstance(clsid, platform::CLSCTX_LOCAL_SERVER, object));
    return OleCall(platform::Variant::FromDispatch(object));
  }

  std::shared_ptr<OfficeLog> log = std::make_shared<OfficeLog>();
  platform::Variant hostApp;
};

// The message of the error `call` raises, or "" when it raises none.
template <typename Call>
std::string ErrorOf(Call&& call) {
  try {
    call();
  } catch (const platform::Error& e) {
    return e.Message();
  }
  return "";
}

}  // namespace hoststest
