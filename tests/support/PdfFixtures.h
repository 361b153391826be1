#pragma once
// Small, valid PDF files for tests, made and read back with qpdf: what a scripted authoring
// application prints, and what a test checks in the files a driver wrote.

#include <filesystem>
#include <map>
#include <string>

namespace testsupport {

// Key without "/" ("Title") to its text in UTF-8: a PDF's document information.
using PdfInfo = std::map<std::string, std::string>;

// Writes a one-page PDF whose page shows `text` (ASCII) in Helvetica, with the document
// information `info`, as an authoring application prints it.
void WriteOnePagePdf(const std::filesystem::path& file, const std::string& text,
                     const PdfInfo& info = {});

// The decoded content of every page, one after another: a test finds the printed text in it.
std::string PdfPageText(const std::filesystem::path& file);
int PdfPageCount(const std::filesystem::path& file);

// The text entries of the document information dictionary.
PdfInfo PdfDocumentInfo(const std::filesystem::path& file);

}  // namespace testsupport
