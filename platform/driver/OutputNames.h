#pragma once
// The file names the driver gives a print job, from the document name that the printing
// application passed (a bare name, a path, or a title).

#include <string>

namespace platform::driver {

// The part after the last "\", "/" or ":", with every character that Windows refuses in a
// file name ('"', '<', '>', '|', '?', '*' and control characters) replaced by "_".
std::string DocumentFileName(const std::string& documentName);

// The file name without its extension (the part from its last "." on).
std::string DocumentStem(const std::string& documentName);

// Automatic output: "output.pdf.pdf" for a 32-bit program on 64-bit Windows, which expects
// that fixed interim name; otherwise the stem + "000.pdf", the stem cut (at a whole
// character) where that name would pass the 255 bytes a file name can have.
std::string AutomaticOutputName(const std::string& documentName, bool wow64);

// Saving into the documents folder: the file name + ".pdf", and for number > 0 the numbered
// alternative "name (number).pdf" used when that name is taken. A nameless document is
// saved as "Untitled".
std::string DocumentsFolderName(const std::string& documentName, int number);

}  // namespace platform::driver
