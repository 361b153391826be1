#include "platform/hosts/CompoundFile.h"

#include <cstdint>
#include <fstream>
#include <string_view>
#include <vector>

namespace platform::hosts {
namespace {

constexpr std::string_view kSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
constexpr uint32_t kLastRegularSector = 0xFFFFFFFA;
constexpr size_t kHeaderSize = 512;
constexpr size_t kHeaderFatEntries = 109;
constexpr size_t kEntrySize = 128;
// Guards against chains that loop: no directory of a document is this long.
constexpr size_t kMostDirectorySectors = 4096;

uint32_t Le32(std::string_view bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i)
    value |= uint32_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return value;
}

uint16_t Le16(std::string_view bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) |
                               (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

class SectorReader {
 public:
  SectorReader(std::ifstream& in, size_t sectorSize) : in_(in), size_(sectorSize) {}
  // The sector's bytes; empty when it lies outside the file.
  std::string Read(uint32_t sector) {
    std::string bytes(size_, '\0');
    in_.clear();
    // The header fills the first sector.
    in_.seekg(static_cast<std::streamoff>((size_t(sector) + 1) * size_));
    in_.read(bytes.data(), static_cast<std::streamsize>(size_));
    return in_.gcount() == static_cast<std::streamsize>(size_) ? bytes : std::string();
  }
  size_t Size() const { return size_; }

 private:
  std::ifstream& in_;
  size_t size_;
};

// The sectors of the allocation table, from the header and the chain of further lists.
std::vector<uint32_t> FatSectors(std::string_view header, SectorReader& sectors) {
  std::vector<uint32_t> fat;
  for (size_t i = 0; i < kHeaderFatEntries; ++i) {
    uint32_t sector = Le32(header, 0x4C + 4 * i);
    if (sector <= kLastRegularSector) fat.push_back(sector);
  }
  uint32_t next = Le32(header, 0x44);
  for (size_t count = Le32(header, 0x48); count > 0 && next <= kLastRegularSector; --count) {
    std::string list = sectors.Read(next);
    if (list.empty()) break;
    size_t entries = sectors.Size() / 4 - 1;
    for (size_t i = 0; i < entries; ++i) {
      uint32_t sector = Le32(list, 4 * i);
      if (sector <= kLastRegularSector) fat.push_back(sector);
    }
    next = Le32(list, 4 * entries);
  }
  return fat;
}

// The sector after `sector` in its chain.
uint32_t NextSector(uint32_t sector, const std::vector<uint32_t>& fat, SectorReader& sectors) {
  size_t perSector = sectors.Size() / 4;
  size_t index = sector / perSector;
  if (index >= fat.size()) return UINT32_MAX;
  std::string table = sectors.Read(fat[index]);
  return table.empty() ? UINT32_MAX : Le32(table, 4 * (sector % perSector));
}

// An entry's name when it is ASCII.
std::string AsciiName(std::string_view entry) {
  size_t length = std::min<size_t>(Le16(entry, 0x40), 64);
  std::string name;
  for (size_t i = 0; i + 1 < length; i += 2) {
    uint16_t unit = Le16(entry, i);
    if (unit == 0) break;
    if (unit >= 0x80) return "";
    name += static_cast<char>(unit);
  }
  return name;
}

}  // namespace

CompoundFile::CompoundFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string header(kHeaderSize, '\0');
  in.read(header.data(), static_cast<std::streamsize>(header.size()));
  if (in.gcount() != static_cast<std::streamsize>(kHeaderSize) || !header.starts_with(kSignature)) {
    return;
  }
  uint16_t shift = Le16(header, 0x1E);
  if (shift != 9 && shift != 12) return;
  SectorReader sectors(in, size_t(1) << shift);
  std::vector<uint32_t> fat = FatSectors(header, sectors);
  uint32_t sector = Le32(header, 0x30);
  for (size_t count = 0; sector <= kLastRegularSector && count < kMostDirectorySectors; ++count) {
    std::string entries = sectors.Read(sector);
    if (entries.empty()) return;
    for (size_t at = 0; at + kEntrySize <= entries.size(); at += kEntrySize) {
      std::string name = AsciiName(std::string_view(entries).substr(at, kEntrySize));
      if (!name.empty()) names_.insert(name);
    }
    sector = NextSector(sector, fat, sectors);
  }
}

}  // namespace platform::hosts
