#include "convert/OutputNaming.h"

#include <cstdint>

#include "platform/AsciiCase.h"

namespace {

constexpr int kOverwrite = 3;
constexpr int kUniqueDigits = 3;
constexpr char kWow64Output[] = "output.pdf.pdf";
constexpr char kNumberedOutputSuffix[] = "000.pdf";
constexpr char kPdf[] = ".pdf";
constexpr char kLastResortNumber[] = "99999999999";
// The longest file name, in bytes, that the file systems take.
constexpr size_t kMaxNameBytes = 255;

// The part after the last "\" or ":".
std::string FileNamePart(const std::string& path) {
  size_t separator = path.find_last_of("\\:");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

// A file name without the part from its last "." on.
std::string Stem(const std::string& fileName) {
  return fileName.substr(0, fileName.rfind('.'));
}

// The driver cuts the stem of an interim name that would be too long at a whole character.
std::string FittingStem(const std::string& stem, size_t suffixBytes) {
  if (stem.size() + suffixBytes <= kMaxNameBytes) return stem;
  size_t end = kMaxNameBytes - suffixBytes;
  while (end > 0 && (static_cast<unsigned char>(stem[end]) & 0xC0) == 0x80) --end;
  return stem.substr(0, end);
}

std::string Padded(uint64_t number, int digits) {
  std::string text = std::to_string(number);
  size_t width = static_cast<size_t>(digits);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

}  // namespace

OutputNaming::OutputNaming(platform::FileSystem& files) : files_(files) {}

std::optional<std::string> OutputNaming::FinishOutput(const std::string& entry,
                                                      const std::string& sourcePath,
                                                      const std::string& destination,
                                                      int overwriteMode, bool isWow64) {
  // The driver names its output after the document, whatever the length of its extension
  // (".htm", ".html", ".docx").
  std::string stem = isWow64 ? Stem(entry) : Stem(FileNamePart(sourcePath));
  return Place(ProducedName(sourcePath, destination, isWow64), destination + "\\" + stem + kPdf,
               overwriteMode);
}

std::string OutputNaming::ProducedName(const std::string& sourcePath,
                                       const std::string& destination, bool isWow64) {
  std::string folder = destination + "\\";
  if (isWow64) return folder + kWow64Output;
  return folder + FittingStem(Stem(FileNamePart(sourcePath)), sizeof kNumberedOutputSuffix - 1) +
         kNumberedOutputSuffix;
}

std::string OutputNaming::UniqueName(const std::string& name, int digits) {
  if (digits <= 0 || name.size() <= 4 || !files_.FileExists(name)) return name;
  std::string base = name.substr(0, name.size() - 4);
  uint64_t limit = 1;
  for (int i = 0; i < digits; ++i) limit *= 10;
  for (uint64_t k = 0; k < limit; ++k) {
    std::string candidate = base + "__" + Padded(k, digits) + kPdf;
    if (!files_.FileExists(candidate)) return candidate;
  }
  return base + kLastResortNumber + kPdf;
}

std::optional<std::string> OutputNaming::Place(const std::string& produced,
                                               const std::string& finalName, int overwriteMode) {
  if (!files_.FileExists(produced)) return std::nullopt;
  // "output.pdf.doc" is printed as "output.pdf.pdf": the output already has its name.
  if (platform::SameTextAscii(produced, finalName)) return produced;
  std::string target = finalName;
  if (files_.FileExists(finalName)) {
    // A failed deletion shows as a failed rename below.
    if (overwriteMode == kOverwrite) {
      files_.DeleteFile(finalName);
    } else {
      target = UniqueName(finalName, kUniqueDigits);
    }
  }
  if (!files_.MoveFile(produced, target)) return std::nullopt;
  return target;
}
