#pragma once
// Gives the file that the PDF printer driver wrote for one printed document its final name in
// the destination folder: the source file's name with ".pdf". A 32-bit program on 64-bit
// Windows finds the driver's output under the fixed interim name "output.pdf.pdf";
// otherwise the driver names it after the document, stem + "000.pdf". An existing final
// file is replaced (OverwriteMode 3) or kept, the output then taking a free numbered name
// (OverwriteMode 1).

#include <optional>
#include <string>

#include "platform/files/FileSystem.h"

class OutputNaming {
 public:
  explicit OutputNaming(platform::FileSystem& files);

  // `entry` is the listed file name, `sourcePath` its full path, `destination` the folder
  // without a trailing "\". The output is looked for once, without waiting. Returns the path
  // under which the output now stands, or nothing when it was not found or could not be
  // renamed (it then keeps the driver's name).
  std::optional<std::string> FinishOutput(const std::string& entry, const std::string& sourcePath,
                                          const std::string& destination, int overwriteMode,
                                          bool isWow64);

  // Where the driver writes the output of `sourcePath` into `destination`.
  static std::string ProducedName(const std::string& sourcePath, const std::string& destination,
                                  bool isWow64);

  // `name` itself when digits is 0, the name is four characters or shorter, or no file of
  // the name exists. Otherwise, for "X:\D\report.pdf", the first free of
  // "X:\D\report__000.pdf" ... "X:\D\report__999.pdf" (for 3 digits), and when all exist
  // "X:\D\report99999999999.pdf", which is not tested.
  std::string UniqueName(const std::string& name, int digits);

 private:
  std::optional<std::string> Place(const std::string& produced, const std::string& finalName,
                                   int overwriteMode);

  platform::FileSystem& files_;
};
