#include "tools/printui/EmbeddedFonts.h"

#include "platform/Error.h"
#include "platform/driver/DriverNames.h"

namespace printui {

namespace {

constexpr char kListValue[] = "EmbedFonts";
constexpr char kSeparator = ';';

}  // namespace

std::vector<std::string> EmbeddedFonts::Read(const platform::RegistryStore& store) {
  using platform::RegType;
  const auto value = store.GetValue(platform::driver::SettingsKey, kListValue);
  if (!value) return {};
  if (value->type != RegType::Sz && value->type != RegType::ExpandSz) {
    throw platform::Error(std::string("The value ") + kListValue + " of HKEY_CURRENT_USER" +
                          platform::driver::SettingsKey + " is not a text");
  }
  std::vector<std::string> families;
  size_t start = 0;
  while (start <= value->text.size()) {
    size_t end = value->text.find(kSeparator, start);
    if (end == std::string::npos) end = value->text.size();
    if (end > start) families.push_back(value->text.substr(start, end - start));
    start = end + 1;
  }
  return families;
}

void EmbeddedFonts::Write(platform::RegistryStore& store,
                          const std::vector<std::string>& families) {
  std::string list;
  for (const std::string& family : families) {
    if (!Storable(family)) {
      throw platform::Error("The font family \"" + family + "\" cannot be stored in the list");
    }
    if (!list.empty()) list += kSeparator;
    list += family;
  }
  const auto count = static_cast<uint32_t>(families.size());
  const char* key = platform::driver::SettingsKey;
  store.CreateKey(key);
  store.SetValue(key, kListValue, platform::RegValue::String(list));
  store.SetValue(key, "EmbedNum", platform::RegValue::Dword(count));
  store.SetValue(key, "AllIndex", platform::RegValue::Dword(count));
}

bool EmbeddedFonts::Storable(const std::string& family) {
  return !family.empty() && family.find(kSeparator) == std::string::npos;
}

}  // namespace printui
