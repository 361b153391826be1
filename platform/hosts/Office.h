#pragma once
// What the authoring applications need of the office suite that renders for them: one office
// process per application instance, which opens documents and writes their printed pages as
// PDF. The servers' object model is written against this; LibreOffice implements it.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace platform::hosts {

// The kind of a loaded document; it decides how its pages are made.
enum class DocumentKind { Text, WebPage, Spreadsheet, Presentation, Drawing };

// How to read a file. The import filters are the office's names: the first reads the usual
// format; when it cannot read the file, or when there is none, the office's type detection
// picks a filter that recognises it among those that make a document of the application's
// kinds (its document services).
struct ImportFilter {
  std::vector<std::string> filters;
  std::string options;                        // the filter's options (a text file's character set)
  std::string documentType;                   // for messages: "a Word document"
  std::vector<std::string> documentServices;  // "com.sun.star.text.TextDocument"
  // A web page that declares no character set and is not Unicode: the one its bytes are in
  // (IANA name). The office reads such pages as UTF-8 and takes no other from outside.
  std::string undeclaredCharset;
};

class OfficeDocument {
 public:
  virtual ~OfficeDocument() = default;
  virtual DocumentKind Kind() const = 0;
  // Drawings: scale the drawing to fill the page, turning the page to the drawing's shape.
  virtual void FitToPage() = 0;
  // Writes the pages as the document prints into `pdfFile`. Raises platform::Error.
  virtual void ExportPdf(const std::filesystem::path& pdfFile) = 0;
  // Closes the document without saving; closing it again does nothing. Raises
  // platform::Error when the office has ended.
  virtual void Close() = 0;
};

class Office {
 public:
  // Ends the office process if Quit has not.
  virtual ~Office() = default;
  // Opens `file` hidden and read-only. Raises platform::Error with the reason when it cannot
  // ("... is password-protected", "... is damaged or not a Word document"); `displayName`
  // names the document in messages.
  virtual std::unique_ptr<OfficeDocument> Open(const std::filesystem::path& file,
                                               const std::string& displayName,
                                               const ImportFilter& filter) = 0;
  // Closes every document and ends the office process.
  virtual void Quit() = 0;
};

}  // namespace platform::hosts
