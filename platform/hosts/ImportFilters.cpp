#include "platform/hosts/ImportFilters.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string_view>
#include <vector>

#include "platform/AsciiCase.h"
#include "platform/Error.h"
#include "platform/hosts/LegacyCharset.h"

namespace platform::hosts {
namespace {

// What a file's first bytes show.
enum class Format { Ole2, Zip, Rtf, Html, Dxf, Dwg, Empty, Other };

struct Rule {
  HostFamily family;
  std::string_view extension;
  std::vector<Format> formats;  // empty: any bytes
  std::vector<std::string> filters;
};

constexpr size_t kHeadSize = 64 * 1024;

// Old and new binary formats of one application share the compound-file container; the
// office tells them apart.
const std::vector<Rule>& Rules() {
  using enum Format;
  using enum HostFamily;
  static const std::vector<Rule> rules = {
      {Word, ".doc", {Ole2}, {"MS Word 97", "MS Word 95", "MS WinWord 6.0"}},
      {Word, ".doc", {Zip}, {"MS Word 2007 XML"}},
      {Word, ".doc", {Rtf}, {"Rich Text Format"}},
      // Web pages are read as the office reads them when it picks the filter itself: as web
      // documents, and a workbook saved as a web page as the data of its tables.
      {Word, ".doc", {Html}, {"HTML"}},
      // An encrypted Office Open XML file is a compound file.
      {Word, ".docx", {Zip, Ole2}, {"MS Word 2007 XML"}},
      {Word, ".rtf", {Rtf}, {"Rich Text Format"}},
      {Word, ".txt", {}, {"Text (encoded)"}},
      {Word, ".htm", {}, {"HTML"}},
      {Word, ".html", {}, {"HTML"}},
      {Excel, ".xls", {Ole2}, {"MS Excel 97", "MS Excel 95", "MS Excel 5.0/95"}},
      {Excel, ".xls", {Zip}, {"Calc MS Excel 2007 XML"}},
      {Excel, ".xls", {Html}, {"calc_HTML_WebQuery"}},
      {Excel, ".xlsx", {Zip, Ole2}, {"Calc MS Excel 2007 XML"}},
      {PowerPoint, ".ppt", {Ole2}, {"MS PowerPoint 97"}},
      {PowerPoint, ".ppt", {Zip}, {"Impress MS PowerPoint 2007 XML"}},
      {PowerPoint, ".pptx", {Zip, Ole2}, {"Impress MS PowerPoint 2007 XML"}},
      {AutoCAD, ".dxf", {Dxf}, {"DXF - AutoCAD Interchange"}},
      // The CAD host's office reads DWG drawings as the DXF the DWG reader makes of them.
      {AutoCAD, ".dwg", {Dwg}, {"DXF - AutoCAD Interchange"}},
  };
  return rules;
}

// What type detection may choose among: the kinds of document the application makes.
std::vector<std::string> DocumentServices(HostFamily family) {
  switch (family) {
    case HostFamily::Word:
      return {"com.sun.star.text.TextDocument", "com.sun.star.text.WebDocument",
              "com.sun.star.text.GlobalDocument"};
    case HostFamily::Excel:
      return {"com.sun.star.sheet.SpreadsheetDocument"};
    case HostFamily::PowerPoint:
      return {"com.sun.star.presentation.PresentationDocument"};
    default:
      return {};
  }
}

// The type a name the application does not know is read as: its own documents'.
std::string_view MainExtension(HostFamily family) {
  switch (family) {
    case HostFamily::Excel:
      return ".xls";
    case HostFamily::PowerPoint:
      return ".ppt";
    case HostFamily::AutoCAD:
      return ".dxf";
    default:
      return ".doc";
  }
}

const char* DocumentType(HostFamily family, std::string_view extension) {
  switch (family) {
    case HostFamily::Excel:
      return "an Excel workbook";
    case HostFamily::PowerPoint:
      return "a PowerPoint presentation";
    case HostFamily::AutoCAD:
      return extension == ".DWG" ? "a DWG drawing" : "a DXF drawing";
    default:
      return "a Word document";
  }
}

std::string ReadHead(const std::filesystem::path& file, const std::string& displayName) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) {
    throw Error("The file \"" + displayName + "\" could not be found.");
  }
  std::ifstream in(file, std::ios::binary);
  std::string head(kHeadSize, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  if (in.bad() || (!in && in.gcount() == 0 && std::filesystem::file_size(file, error) > 0)) {
    throw Error("The file \"" + displayName + "\" could not be read.");
  }
  head.resize(static_cast<size_t>(in.gcount()));
  return head;
}

std::string_view SkipBomAndBlanks(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  size_t start = text.find_first_not_of(" \t\r\n");
  return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

bool LooksLikeHtml(std::string_view head) {
  std::string start = AsciiUpper(SkipBomAndBlanks(head.substr(0, 1024)));
  return start.starts_with("<") && (start.find("<HTML") != std::string::npos ||
                                    start.find("<!DOCTYPE HTML") != std::string::npos);
}

// An ASCII drawing interchange file starts with group code 0 (SECTION) or 999 (a comment).
bool LooksLikeDxf(std::string_view head) {
  if (head.starts_with("AutoCAD Binary DXF")) return true;
  std::string_view text = SkipBomAndBlanks(head);
  size_t lineEnd = text.find_first_of("\r\n");
  std::string_view code = text.substr(0, lineEnd);
  return (code == "0" || code == "999") && head.find("SECTION") != std::string_view::npos;
}

// Whether `head` is UTF-8; a sequence cut off at the end of the head counts as valid.
bool IsUtf8(std::string_view head) {
  size_t i = 0;
  while (i < head.size()) {
    auto byte = static_cast<unsigned char>(head[i]);
    size_t length = byte < 0x80           ? 1
                    : (byte >> 5) == 0x6  ? 2
                    : (byte >> 4) == 0xE  ? 3
                    : (byte >> 3) == 0x1E ? 4
                                          : 0;
    if (length == 0) return false;
    for (size_t k = 1; k < length && i + k < head.size(); ++k) {
      if ((static_cast<unsigned char>(head[i + k]) >> 6) != 0x2) return false;
    }
    i += length;
  }
  return true;
}

bool HasUtf16Mark(std::string_view head) {
  return head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF");
}

// The character set of a plain text file, in the office's names: Unicode text when it says
// so with a byte-order mark or reads as UTF-8, else the legacy character set it reads as.
std::string TextCharset(std::string_view head) {
  if (HasUtf16Mark(head)) return "UNICODE";
  return IsUtf8(head) ? "UTF8" : OfficeCharsetName(LegacyCharset(head));
}

// Whether a <meta> tag of the page names a character set, in either of its forms.
bool DeclaresCharset(std::string_view head) {
  std::string text = AsciiUpper(head);
  for (size_t at = text.find("<META"); at != std::string::npos; at = text.find("<META", at + 1)) {
    if (text.substr(at, text.find('>', at) - at).find("CHARSET") != std::string::npos) {
      return true;
    }
  }
  return false;
}

// The legacy character set of a web page that neither declares one nor is Unicode (a mark,
// UTF-8, or the zero bytes of UTF-16 or UTF-32 without a mark); empty for any other page.
std::string UndeclaredCharset(std::string_view head) {
  if (HasUtf16Mark(head) || head.starts_with("\xEF\xBB\xBF") || IsUtf8(head) ||
      head.find('\0') != std::string_view::npos || DeclaresCharset(head)) {
    return "";
  }
  std::string charset = LegacyCharset(head);
  return charset.starts_with("UTF") ? "" : charset;
}

// Whether the head reads as text: UTF-16 with its mark, or bytes without the control
// characters that only binary formats hold.
bool LooksLikeText(std::string_view head) {
  if (HasUtf16Mark(head)) return true;
  return std::none_of(head.begin(), head.end(), [](char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 && (byte == 0 || !std::strchr("\t\n\v\f\r\x1A\x1B", c));
  });
}

Format Sniff(std::string_view head) {
  if (head.empty()) return Format::Empty;
  if (head.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) return Format::Ole2;
  if (head.starts_with("PK\x03\x04")) return Format::Zip;
  if (SkipBomAndBlanks(head).starts_with("{\\rtf")) return Format::Rtf;
  if (LooksLikeHtml(head)) return Format::Html;
  if (LooksLikeDxf(head)) return Format::Dxf;
  // Every DWG drawing but those of the very first release starts with its version: "AC1015".
  if (head.starts_with("AC1") || head.starts_with("AC2")) return Format::Dwg;
  return Format::Other;
}

// An empty file is an empty document of any format of its application, which the office opens
// as a new one; a drawing has no such form.
bool Accepts(const Rule& rule, Format format) {
  return rule.formats.empty() || (format == Format::Empty && rule.family != HostFamily::AutoCAD) ||
         std::find(rule.formats.begin(), rule.formats.end(), format) != rule.formats.end();
}

}  // namespace

const char* HostFamilyName(HostFamily family) {
  switch (family) {
    case HostFamily::Excel:
      return "Excel";
    case HostFamily::PowerPoint:
      return "PowerPoint";
    case HostFamily::AutoCAD:
      return "AutoCAD";
    default:
      return "Word";
  }
}

ImportFilter ChooseImportFilter(HostFamily family, const std::filesystem::path& file,
                                const std::string& displayName) {
  std::string extension = AsciiUpper(file.extension().string());
  std::string head = ReadHead(file, displayName);
  Format format = Sniff(head);
  auto rule = [&](std::string_view type) -> const Rule* {
    for (const Rule& candidate : Rules()) {
      if (candidate.family == family && SameTextAscii(candidate.extension, type) &&
          Accepts(candidate, format)) {
        return &candidate;
      }
    }
    return nullptr;
  };
  bool known = std::any_of(Rules().begin(), Rules().end(), [&](const Rule& candidate) {
    return candidate.family == family && SameTextAscii(candidate.extension, extension);
  });
  const Rule* chosen = rule(known ? std::string_view(extension) : MainExtension(family));
  // Word reads text whatever the file is called.
  if (!chosen && family == HostFamily::Word && format == Format::Other && LooksLikeText(head)) {
    chosen = rule(".txt");
  }
  ImportFilter filter{{}, "", DocumentType(family, extension), DocumentServices(family), ""};
  if (chosen) {
    filter.filters = chosen->filters;
    const std::string& first = chosen->filters.front();
    if (first == "Text (encoded)") filter.options = TextCharset(head);
    if (first.find("HTML") != std::string::npos) filter.undeclaredCharset = UndeclaredCharset(head);
  } else if (family == HostFamily::AutoCAD) {
    throw Error("The file \"" + displayName + "\" is damaged or not " +
                DocumentType(family, extension) + ".");
  }
  return filter;
}

}  // namespace platform::hosts
