#include "tests/support/Encoded.h"

#include <iconv.h>

#include <gtest/gtest.h>

namespace testsupport {

std::string Encoded(const std::string& text, const char* charset) {
  iconv_t converter = ::iconv_open(charset, "UTF-8");
  std::string out(text.size() * 4, '\0');
  char* in = const_cast<char*>(text.data());
  char* to = out.data();
  size_t inLeft = text.size(), outLeft = out.size();
  size_t converted = ::iconv(converter, &in, &inLeft, &to, &outLeft);
  ::iconv_close(converter);
  EXPECT_NE(converted, static_cast<size_t>(-1)) << charset;
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace testsupport
