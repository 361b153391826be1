#include "tests/support/PdfFixtures.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace testsupport {

namespace {

// A PDF literal string: parentheses and backslashes escaped.
std::string PdfLiteral(const std::string& text) {
  std::string literal = "(";
  for (char c : text) {
    if (c == '(' || c == ')' || c == '\\') literal += '\\';
    literal += c;
  }
  return literal + ")";
}

QPDFObjectHandle MakePage(QPDF& pdf, const std::string& text) {
  auto font = pdf.makeIndirectObject(
      QPDFObjectHandle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"));
  auto resources = QPDFObjectHandle::parse("<< /Font << >> >>");
  resources.getKey("/Font").replaceKey("/F1", font);
  auto contents =
      QPDFObjectHandle::newStream(&pdf, "BT /F1 18 Tf 72 720 Td " + PdfLiteral(text) + " Tj ET\n");
  auto page = QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 612 792] >>");
  page.replaceKey("/Resources", resources);
  page.replaceKey("/Contents", contents);
  return pdf.makeIndirectObject(page);
}

}  // namespace

void WriteOnePagePdf(const std::filesystem::path& file, const std::string& text,
                     const PdfInfo& info) {
  QPDF pdf;
  pdf.emptyPDF();
  QPDFPageDocumentHelper(pdf).addPage(MakePage(pdf, text), false);
  if (!info.empty()) {
    auto dictionary = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    for (const auto& [key, value] : info) {
      dictionary.replaceKey("/" + key, QPDFObjectHandle::newUnicodeString(value));
    }
    pdf.getTrailer().replaceKey("/Info", dictionary);
  }
  QPDFWriter writer(pdf, file.c_str());
  writer.write();
}

std::string PdfPageText(const std::filesystem::path& file) {
  QPDF pdf;
  pdf.processFile(file.c_str());
  std::string text;
  for (auto& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
    for (auto& stream : page.getPageContents()) {
      auto data = stream.getStreamData(qpdf_dl_generalized);
      text.append(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
    }
  }
  return text;
}

int PdfPageCount(const std::filesystem::path& file) {
  QPDF pdf;
  pdf.processFile(file.c_str());
  return static_cast<int>(QPDFPageDocumentHelper(pdf).getAllPages().size());
}

PdfInfo PdfDocumentInfo(const std::filesystem::path& file) {
  QPDF pdf;
  pdf.processFile(file.c_str());
  PdfInfo info;
  auto dictionary = pdf.getTrailer().getKey("/Info");
  if (!dictionary.isDictionary()) return info;
  for (auto& [key, value] : dictionary.ditems()) {
    if (value.isString()) info[key.substr(1)] = value.getUTF8Value();
  }
  return info;
}

}  // namespace testsupport
