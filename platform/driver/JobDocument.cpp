#include "platform/driver/JobDocument.h"

#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cerrno>
#include <stdexcept>

#include "platform/Error.h"
#include "platform/driver/DriverNames.h"
#include "platform/driver/OutputFile.h"

namespace platform::driver {

namespace {

Error WriteError(const std::string& targetName, const std::string& reason) {
  return Error(std::string(PrinterName) + ": cannot write '" + targetName + "' (" + reason + ")");
}

size_t PageCount(QPDF& pdf) {
  return QPDFPageDocumentHelper(pdf).getAllPages().size();
}

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
    hasPages = PageCount(pdf_) > 0;
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
    int code = errno;
    throw WriteError(targetName, code == ENOSPC || code == EDQUOT ? WriteFailureReason(code)
                                                                  : std::string(error.what()));
  }
}

void JobDocument::CheckWritten(const std::filesystem::path& written,
                               const std::string& targetName) {
  QPDF check;
  check.setSuppressWarnings(true);
  check.setAttemptRecovery(false);
  try {
    check.processFile(written.c_str());
    if (PageCount(check) == PageCount(pdf_)) return;
  } catch (const std::exception& error) {
    throw WriteError(targetName,
                     "the file written is not a complete PDF: " + std::string(error.what()));
  }
  throw WriteError(targetName, "the file written lacks pages");
}

}  // namespace platform::driver
