#pragma once
// What the PDF printer does with a printed document, as far as a test needs it: while its
// per-user key "Software\Quillby\Varnel" asks for automatic output (`AutomaticOutput` 1 or 3
// and a folder in `AutomaticPath`), it writes a small PDF into that folder under its interim
// name: "output.pdf.pdf" on 64-bit Windows, else the document's stem + "000.pdf". Otherwise
// it writes nothing (the real one would ask the user where to).

#include <string>

namespace scriptedserver {

void PrintToDriver(const std::wstring& document);

}  // namespace scriptedserver
