#include "convert/Wow64Check.h"

bool IsWow64Windows(const platform::System& system) {
  return system.IsWow64Process().value_or(false);
}
