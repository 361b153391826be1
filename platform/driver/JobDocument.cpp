#include "platform/driver/JobDocument.h"

#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <stdexcept>

#include "platform/Error.h"
#include "platform/driver/DriverNames.h"

namespace platform::driver {

namespace {

void SetText(QPDFObjectHandle& dictionary, const std::string& key, const std::string& text) {
  if (text.empty()) {
    dictionary.removeKey(key);
  } else {
    dictionary.replaceKey(key, QPDFObjectHandle::newUnicodeString(text));
  }
}

}  // namespace

JobDocument::JobDocument(const std::filesystem::path& pdfFile, const std::string& documentName)
    : documentName_(documentName) {
  // Damaged files that qpdf can repair still print; warnings about them go nowhere.
  pdf_.setSuppressWarnings(true);
  bool hasPages = false;
  try {
    pdf_.processFile(pdfFile.c_str());
    hasPages = !QPDFPageDocumentHelper(pdf_).getAllPages().empty();
  } catch (const std::exception& error) {
    throw Error(NotPdf(error.what()));
  }
  if (!hasPages) {
    throw Error(std::string(PrinterName) + ": the print job '" + documentName + "' has no pages");
  }
}

std::string JobDocument::NotPdf(const std::string& reason) const {
  return std::string(PrinterName) + ": the print job '" + documentName_ +
         "' is not a PDF document (" + reason + ")";
}

void JobDocument::SetInfo(const DocumentInfo& info) {
  auto trailer = pdf_.getTrailer();
  auto dictionary = trailer.getKey("/Info");
  if (!dictionary.isDictionary()) {
    dictionary = pdf_.makeIndirectObject(QPDFObjectHandle::newDictionary());
    trailer.replaceKey("/Info", dictionary);
  }
  SetText(dictionary, "/Title", info.Title);
  SetText(dictionary, "/Subject", info.Subject);
  SetText(dictionary, "/Author", info.Author);
  SetText(dictionary, "/Keywords", info.Keywords);
}

void JobDocument::Write(FILE* stream, const std::string& targetName) {
  try {
    QPDFWriter writer(pdf_);
    writer.setOutputFile(targetName.c_str(), stream, false);
    writer.write();
  } catch (const QPDFExc& error) {
    // qpdf reads objects when it needs them: a broken object surfaces only while writing.
    throw Error(NotPdf(error.what()));
  } catch (const std::exception& error) {
    throw Error(std::string(PrinterName) + ": cannot write '" + targetName + "' (" + error.what() +
                ")");
  }
}

}  // namespace platform::driver
