#include "platform/registry/Utf16.h"

namespace platform {
namespace {

// Decodes one UTF-8 sequence at `pos`; returns the code point and advances `pos`, or
// returns -1 and leaves `pos` alone when the bytes there are not valid UTF-8.
long DecodeUtf8(std::string_view text, size_t& pos) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(pos);
  if (lead < 0x80) return text[pos++];
  size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || pos + length > text.size()) return -1;
  long code = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) return -1;
    code = (code << 6) | (byte(pos + i) & 0x3F);
  }
  static constexpr long kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return -1;
  }
  pos += length;
  return code;
}

void PutUnit(std::vector<uint8_t>& out, long unit) {
  out.push_back(static_cast<uint8_t>(unit & 0xFF));
  out.push_back(static_cast<uint8_t>(unit >> 8));
}

void PutUtf8(std::string& out, long code) {
  auto put = [&](long value) { out.push_back(static_cast<char>(value)); };
  if (code < 0x80) {
    put(code);
  } else if (code < 0x800) {
    put(0xC0 | (code >> 6));
    put(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    put(0xE0 | (code >> 12));
    put(0x80 | ((code >> 6) & 0x3F));
    put(0x80 | (code & 0x3F));
  } else {
    put(0xF0 | (code >> 18));
    put(0x80 | ((code >> 12) & 0x3F));
    put(0x80 | ((code >> 6) & 0x3F));
    put(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::vector<uint8_t> Utf8ToUtf16Le(std::string_view text) {
  std::vector<uint8_t> out;
  out.reserve(text.size() * 2);
  for (size_t pos = 0; pos < text.size();) {
    long code = DecodeUtf8(text, pos);
    if (code < 0) {
      PutUnit(out, 0xDC00 + static_cast<unsigned char>(text[pos++]));
    } else if (code >= 0x10000) {
      PutUnit(out, 0xD800 + ((code - 0x10000) >> 10));
      PutUnit(out, 0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      PutUnit(out, code);
    }
  }
  return out;
}

std::string Utf16LeToUtf8(const uint8_t* bytes, size_t size) {
  std::string out;
  auto unit = [&](size_t i) { return static_cast<long>(bytes[i] | (bytes[i + 1] << 8)); };
  for (size_t i = 0; i + 1 < size; i += 2) {
    long code = unit(i);
    bool high = code >= 0xD800 && code <= 0xDBFF;
    if (high && i + 3 < size && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (code >= 0xDC80 && code <= 0xDCFF) {
      out.push_back(static_cast<char>(code - 0xDC00));
      continue;
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = 0xFFFD;
    }
    PutUtf8(out, code);
  }
  return out;
}

}  // namespace platform
