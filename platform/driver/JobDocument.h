#pragma once
// The pages of one print job, read with qpdf, given the driver's document information and
// written out again.

#include <cstdio>
#include <filesystem>
#include <string>

#include <qpdf/QPDF.hh>

#include "platform/driver/DriverSettings.h"

namespace platform::driver {

class JobDocument {
 public:
  // Raises platform::Error "<printer>: the print job '<documentName>' is not a PDF document"
  // when qpdf cannot read the file as a PDF with a page tree, and "... has no pages" for a
  // document without pages, which no reader would open.
  JobDocument(const std::filesystem::path& pdfFile, const std::string& documentName);
  JobDocument(const JobDocument&) = delete;
  JobDocument& operator=(const JobDocument&) = delete;

  // Title, Subject, Author and Keywords become exactly `info`: what the printing program
  // put there is replaced, and an empty text leaves the entry out.
  void SetInfo(const DocumentInfo& info);

  // Writes the whole document to `stream`; `targetName` names it in error messages.
  void Write(FILE* stream, const std::string& targetName);

  // Raises platform::Error "<printer>: cannot write '<targetName>' (...)" unless `written`
  // reads back, without repair, as a PDF with as many pages as this document: a file cut
  // short by a full disk or a failing device never passes for the document.
  void CheckWritten(const std::filesystem::path& written, const std::string& targetName);

 private:
  std::string NotPdf(const std::string& reason) const;

  std::string documentName_;
  QPDF pdf_;
};

}  // namespace platform::driver
