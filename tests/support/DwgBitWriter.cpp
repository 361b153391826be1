#include "tests/support/DwgBitWriter.h"

#include <array>
#include <cstring>

namespace testsupport {

void DwgBitWriter::Bits(uint64_t value, unsigned count) {
  for (unsigned i = count; i-- > 0;) {
    if (bits_ % 8 == 0) data_.push_back(0);
    if ((value >> i) & 1) data_.back() |= static_cast<uint8_t>(0x80 >> (bits_ % 8));
    ++bits_;
  }
}

void DwgBitWriter::B(bool bit) {
  Bits(bit ? 1 : 0, 1);
}

void DwgBitWriter::BB(unsigned value) {
  Bits(value & 3, 2);
}

void DwgBitWriter::RC(uint8_t value) {
  Bits(value, 8);
}

void DwgBitWriter::RS(uint16_t value) {
  RC(static_cast<uint8_t>(value));
  RC(static_cast<uint8_t>(value >> 8));
}

void DwgBitWriter::RL(uint32_t value) {
  RS(static_cast<uint16_t>(value));
  RS(static_cast<uint16_t>(value >> 16));
}

void DwgBitWriter::RD(double value) {
  uint64_t raw = 0;
  std::memcpy(&raw, &value, sizeof raw);
  for (int i = 0; i < 8; ++i) RC(static_cast<uint8_t>(raw >> (8 * i)));
}

void DwgBitWriter::BS(uint16_t value) {
  if (value == 0) {
    BB(2);
  } else if (value == 256) {
    BB(3);
  } else if (value < 256) {
    BB(1);
    RC(static_cast<uint8_t>(value));
  } else {
    BB(0);
    RS(value);
  }
}

void DwgBitWriter::BL(uint32_t value) {
  if (value == 0) {
    BB(2);
  } else if (value < 256) {
    BB(1);
    RC(static_cast<uint8_t>(value));
  } else {
    BB(0);
    RL(value);
  }
}

void DwgBitWriter::BD(double value) {
  if (value == 0.0) {
    BB(2);
  } else if (value == 1.0) {
    BB(1);
  } else {
    BB(0);
    RD(value);
  }
}

void DwgBitWriter::DD(double value, double previous) {
  if (value == previous) {
    BB(0);
  } else {
    BB(3);
    RD(value);
  }
}

void DwgBitWriter::Point3(double x, double y, double z) {
  BD(x);
  BD(y);
  BD(z);
}

void DwgBitWriter::Point2(double x, double y) {
  RD(x);
  RD(y);
}

void DwgBitWriter::H(unsigned code, uint32_t handle) {
  unsigned size = 0;
  while (size < 4 && (handle >> (8 * size)) != 0) ++size;
  RC(static_cast<uint8_t>(code << 4 | size));
  for (unsigned i = size; i-- > 0;) RC(static_cast<uint8_t>(handle >> (8 * i)));
}

void DwgBitWriter::TV(const std::string& text) {
  BS(static_cast<uint16_t>(text.size()));
  for (char c : text) RC(static_cast<uint8_t>(c));
}

void DwgBitWriter::Bytes(const std::vector<uint8_t>& bytes) {
  for (uint8_t byte : bytes) RC(byte);
}

void DwgBitWriter::Append(const DwgBitWriter& other) {
  for (size_t i = 0; i < other.bits_; ++i) Bits(other.data_[i / 8] >> (7 - i % 8), 1);
}

void DwgBitWriter::PatchRL(size_t position, uint32_t value) {
  for (unsigned i = 0; i < 32; ++i) {
    // A raw long is four bytes in turn, each most significant bit first.
    unsigned bit = (value >> (8 * (i / 8) + 7 - i % 8)) & 1;
    size_t at = position + i;
    uint8_t mask = static_cast<uint8_t>(0x80 >> (at % 8));
    data_[at / 8] = static_cast<uint8_t>(bit ? data_[at / 8] | mask : data_[at / 8] & ~mask);
  }
}

uint16_t DwgCrc(const uint8_t* bytes, size_t size, uint16_t seed) {
  static const std::array<uint16_t, 256> table = [] {
    std::array<uint16_t, 256> entries{};
    for (unsigned i = 0; i < 256; ++i) {
      uint16_t crc = static_cast<uint16_t>(i);
      for (int bit = 0; bit < 8; ++bit) {
        crc = static_cast<uint16_t>(crc & 1 ? (crc >> 1) ^ 0xA001 : crc >> 1);
      }
      entries[i] = crc;
    }
    return entries;
  }();
  uint16_t crc = seed;
  for (size_t i = 0; i < size; ++i) {
    crc = static_cast<uint16_t>((crc >> 8) ^ table[(crc ^ bytes[i]) & 0xFF]);
  }
  return crc;
}

}  // namespace testsupport
