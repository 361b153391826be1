#include "platform/Error.h"

namespace platform {

std::string EInOutError::MessageFor(int code) {
  switch (code) {
    case 2:
      return "File not found";
    case 3:
      return "Invalid filename";
    case 4:
      return "Too many open files";
    case 5:
      return "File access denied";
    default:
      return "I/O error " + std::to_string(code);
  }
}

EListError EListError::OutOfBounds(int index) {
  return EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace platform
