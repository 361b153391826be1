#include "tools/batch/FileTail.h"

#include <fstream>
#include <iterator>

namespace batch {

FileTail::FileTail(std::filesystem::path file, size_t skip) : file_(std::move(file)), read_(skip) {}

std::string FileTail::Next(const std::string& end) {
  std::ifstream in(file_, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(read_));
  if (!in) return "";
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const size_t last = text.rfind(end);
  if (last == std::string::npos) return "";
  read_ += last + end.size();
  return text.substr(0, last + end.size());
}

}  // namespace batch
