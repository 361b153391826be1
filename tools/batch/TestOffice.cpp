#include "tools/batch/TestOffice.h"

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "platform/Error.h"

namespace batch {
namespace {

using platform::hosts::DocumentKind;

class TestDocument : public platform::hosts::OfficeDocument {
 public:
  explicit TestDocument(bool slow) : slow_(slow) {}
  DocumentKind Kind() const override { return DocumentKind::Text; }
  void FitToPage() override {}
  void ExportPdf(const std::filesystem::path& pdfFile) override {
    if (slow_) std::this_thread::sleep_for(std::chrono::seconds(1));
    QPDF pdf;
    pdf.emptyPDF();
    auto page = pdf.makeIndirectObject(
        QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 612 792] /Resources << >> >>"));
    QPDFPageDocumentHelper(pdf).addPage(page, false);
    QPDFWriter(pdf, pdfFile.c_str()).write();
  }
  void Close() override {}

 private:
  bool slow_;
};

class TestOffice : public platform::hosts::Office {
 public:
  std::unique_ptr<platform::hosts::OfficeDocument> Open(
      const std::filesystem::path& file, const std::string& displayName,
      const platform::hosts::ImportFilter& filter) override {
    std::string text(16, '\0');
    std::ifstream in(file, std::ios::binary);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (!in && !in.eof()) throw platform::Error(displayName + " cannot be read");
    if (text.starts_with("unreadable")) {
      throw platform::Error(displayName + " is damaged or not " + filter.documentType);
    }
    return std::make_unique<TestDocument>(text.starts_with("slow"));
  }
  void Quit() override {}
};

}  // namespace

std::unique_ptr<platform::hosts::Office> MakeTestOffice() {
  return std::make_unique<TestOffice>();
}

}  // namespace batch
