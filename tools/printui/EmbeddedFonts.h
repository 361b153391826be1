#pragma once
// The PDF printer driver's choice of font families to embed, kept in its settings key:
// `EmbedFonts` (REG_SZ, the families joined by ";"), and their number in `EmbedNum` and
// `AllIndex`, where programs that steer the driver read it.

#include <string>
#include <vector>

#include "platform/registry/RegistryStore.h"

namespace printui {

class EmbeddedFonts {
 public:
  // The stored families, in stored order; none without the key or the value. platform::Error
  // when `EmbedFonts` is not a text, so that a damaged choice is never overwritten unseen.
  static std::vector<std::string> Read(const platform::RegistryStore& store);
  // Stores the families and their number; creates the driver's key when it is missing.
  // platform::Error for a family whose name holds ";" (it could not be read back).
  static void Write(platform::RegistryStore& store, const std::vector<std::string>& families);
  // Whether a family's name can be stored in the list.
  static bool Storable(const std::string& family);
};

}  // namespace printui
