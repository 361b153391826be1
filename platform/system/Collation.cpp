#include "platform/system/Collation.h"

#include <wchar.h>

#include "platform/system/CaseFolding.h"

namespace platform {
namespace {

constexpr char32_t kInvalidByteBase = 0xDC00;
constexpr char32_t kReplacement = 0xFFFD;

locale_t NewCollation(const char* name) {
  return newlocale(LC_COLLATE_MASK, name, locale_t{});
}

// The big-endian bytes of each value with UTF-8's lead and continuation marks, extended to
// 31 bits: byte order is then value order, and no value but 0 gives a zero byte.
void AppendOrdered(std::string& out, uint32_t value) {
  if (value < 0x80) {
    out.push_back(static_cast<char>(value));
    return;
  }
  int continuations = value < 0x800 ? 1 : value < 0x10000 ? 2 : value < 0x200000 ? 3 : 4;
  if (value >= 0x4000000) continuations = 5;
  const auto lead = static_cast<uint32_t>(0xFF00 >> (continuations + 1)) & 0xFF;
  out.push_back(static_cast<char>(lead | (value >> (6 * continuations))));
  for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6) {
    out.push_back(static_cast<char>(0x80 | ((value >> shift) & 0x3F)));
  }
}

// The case-folded text as the collation reads it; stray bytes become U+FFFD.
std::wstring CollatedText(const std::u32string& folded) {
  std::wstring text;
  text.reserve(folded.size());
  for (char32_t c : folded) {
    const bool stray = c >= kInvalidByteBase && c <= kInvalidByteBase + 0xFF;
    text.push_back(static_cast<wchar_t>(stray ? kReplacement : c));
  }
  return text;
}

}  // namespace

Collation& Collation::Current() {
  static Collation current;
  return current;
}

Collation::Collation() {
  Use("");
}

Collation::~Collation() {
  freelocale(locale_);
}

bool Collation::Use(const std::string& localeName) {
  locale_t locale = NewCollation(localeName.c_str());
  if (locale == locale_t{} && localeName.empty()) locale = NewCollation("C.UTF-8");
  if (locale == locale_t{} && localeName.empty()) locale = NewCollation("C");
  if (locale == locale_t{}) return false;
  if (locale_ != locale_t{}) freelocale(locale_);
  locale_ = locale;
  name_ = localeName;
  return true;
}

// The collation's weights, a zero byte (which no weight gives), then the folded code points.
std::string Collation::SortKey(std::string_view text) const {
  const std::u32string folded = FoldedCodePoints(text);
  const std::wstring collated = CollatedText(folded);
  size_t length = wcsxfrm_l(nullptr, collated.c_str(), 0, locale_);
  if (length == static_cast<size_t>(-1)) length = 0;  // no weights: the code points decide
  std::wstring weights(length, L'\0');
  if (length > 0) wcsxfrm_l(weights.data(), collated.c_str(), length + 1, locale_);
  std::string key;
  key.reserve(2 * (weights.size() + folded.size()) + 1);
  for (wchar_t weight : weights) AppendOrdered(key, static_cast<uint32_t>(weight));
  key.push_back('\0');
  for (char32_t c : folded) AppendOrdered(key, c);
  return key;
}

CollationScope::CollationScope(const std::string& localeName)
    : previous_(Collation::Current().LocaleName()),
      installed_(Collation::Current().Use(localeName)) {}

CollationScope::~CollationScope() {
  Collation::Current().Use(previous_);
}

}  // namespace platform
